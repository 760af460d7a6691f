#include "server/store.h"

#include <QDateTime>
#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>

namespace {

// Each entry brings the schema from its index to the next version; entries are only ever
// appended, so that any older file can be opened.
const std::vector<std::vector<const char*>>& migrations() {
    static const std::vector<std::vector<const char*>> steps = {
        {
            "CREATE TABLE players (id INTEGER PRIMARY KEY, name TEXT NOT NULL, "
            "token_hash BLOB NOT NULL, created INTEGER NOT NULL)",
            "CREATE TABLE games (id INTEGER PRIMARY KEY, korva_id TEXT NOT NULL UNIQUE, "
            "name TEXT NOT NULL, first_side INTEGER NOT NULL, start_move INTEGER NOT NULL, "
            "moves INTEGER NOT NULL DEFAULT 0, invite TEXT UNIQUE, created INTEGER NOT NULL)",
            "CREATE TABLE seats (game_id INTEGER NOT NULL REFERENCES games(id), "
            "side INTEGER NOT NULL, player_id INTEGER NOT NULL REFERENCES players(id), "
            "PRIMARY KEY (game_id, side), UNIQUE (game_id, player_id))",
            "CREATE INDEX seats_by_player ON seats(player_id)",
            "CREATE TABLE rolls (seq INTEGER PRIMARY KEY AUTOINCREMENT, "
            "game_id INTEGER NOT NULL REFERENCES games(id), turn INTEGER NOT NULL, "
            "number INTEGER NOT NULL, record BLOB NOT NULL, UNIQUE (game_id, turn, number))",
            "CREATE TABLE turns (game_id INTEGER NOT NULL REFERENCES games(id), "
            "turn INTEGER NOT NULL, player_id INTEGER NOT NULL, file BLOB NOT NULL, "
            "report BLOB NOT NULL, received INTEGER NOT NULL, PRIMARY KEY (game_id, turn))",
        },
        // The last roll of a game, which the next is chained to, found without a sort.
        {"CREATE INDEX rolls_by_game ON rolls(game_id, seq)"},
    };
    return steps;
}

[[noreturn]] void fail(const QString& what, const QSqlError& error) {
    // SQLite's primary result code, whether or not the extended one came.
    const int code = error.nativeErrorCode().toInt() & 0xff;
    const StoreError::Kind kind = code == 5 || code == 6     ? StoreError::Kind::Busy
                                  : code == 13 || code == 10 ? StoreError::Kind::Full
                                                             : StoreError::Kind::Other;
    throw StoreError(QStringLiteral("%1: %2").arg(what, error.text()).toStdString(), kind);
}

QSqlQuery run(QSqlDatabase& db, const QString& sql, const QVariantList& values = {}) {
    QSqlQuery query(db);
    if (!query.prepare(sql))
        fail(sql, query.lastError());
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        fail(sql, query.lastError());
    return query;
}

// One change, all of it or nothing: rolled back when `change` throws. Taken for writing at
// once, so that what it reads cannot change under it before it writes.
template <typename Change> auto transaction(QSqlDatabase& db, Change change) {
    run(db, QStringLiteral("BEGIN IMMEDIATE"));
    try {
        auto result = change();
        run(db, QStringLiteral("COMMIT"));
        return result;
    } catch (...) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

qint64 now() {
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace

int Store::schemaVersion() {
    return int(migrations().size());
}

Store::Store(const QString& folder, bool create, qint64 busyTimeoutMs) {
    static std::atomic<int> connections{0};
    connection_ = QStringLiteral("korva-store-%1").arg(++connections);
    const QString path = QDir(folder).filePath(QLatin1String(kFileName));
    if (!create && !QFile::exists(path))
        throw StoreError(QStringLiteral("%1 holds no database (make one with --init)")
                             .arg(folder)
                             .toStdString());
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db_.setDatabaseName(path);
    db_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (!db_.open())
        fail(path, db_.lastError());
    run(db_, QStringLiteral("PRAGMA journal_mode=WAL"));
    run(db_, QStringLiteral("PRAGMA synchronous=FULL"));
    run(db_, QStringLiteral("PRAGMA foreign_keys=ON"));
    migrate();
}

Store::~Store() {
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
}

void Store::migrate() {
    run(db_,
        QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)"));
    QSqlQuery read = run(db_, QStringLiteral("SELECT version FROM schema_version"));
    const int version = read.next() ? read.value(0).toInt() : 0;
    if (version > schemaVersion())
        throw StoreError(QStringLiteral("the database has schema %1, newer than this server's %2")
                             .arg(version)
                             .arg(schemaVersion())
                             .toStdString());
    for (int step = version; step < schemaVersion(); ++step)
        transaction(db_, [&] {
            for (const char* sql : migrations()[std::size_t(step)])
                run(db_, QString::fromLatin1(sql));
            run(db_, QStringLiteral("DELETE FROM schema_version"));
            run(db_, QStringLiteral("INSERT INTO schema_version VALUES (?)"), {step + 1});
            return 0;
        });
}

qint64 Store::addPlayer(const QString& name, const QByteArray& tokenHash) {
    return transaction(db_, [&] {
        return run(db_,
                   QStringLiteral(
                       "INSERT INTO players (name, token_hash, created) VALUES (?, ?, ?)"),
                   {name, tokenHash, now()})
            .lastInsertId()
            .toLongLong();
    });
}

std::optional<QByteArray> Store::tokenHash(qint64 player) {
    QSqlQuery query =
        run(db_, QStringLiteral("SELECT token_hash FROM players WHERE id = ?"), {player});
    if (!query.next())
        return std::nullopt;
    return query.value(0).toByteArray();
}

bool Store::addGame(const StoredGame& game, qint64 creator, int creatorSide) {
    return transaction(db_, [&] {
        if (run(db_, QStringLiteral("SELECT 1 FROM games WHERE korva_id = ?"), {game.korvaId})
                .next())
            return false;
        const qint64 id =
            run(db_,
                QStringLiteral("INSERT INTO games (korva_id, name, first_side, start_move, invite, "
                               "created) VALUES (?, ?, ?, ?, ?, ?)"),
                {game.korvaId, game.name, game.firstSide, game.startMove, game.invite, now()})
                .lastInsertId()
                .toLongLong();
        run(db_, QStringLiteral("INSERT INTO seats (game_id, side, player_id) VALUES (?, ?, ?)"),
            {id, creatorSide, creator});
        return true;
    });
}

std::vector<StoredGame> Store::games(const QString& where, const QVariantList& values) {
    QSqlQuery query =
        run(db_,
            QStringLiteral("SELECT g.id, g.korva_id, g.name, g.first_side, g.start_move, g.moves, "
                           "coalesce(g.invite, ''), s.side, s.player_id, p.name FROM games g "
                           "JOIN seats s ON s.game_id = g.id JOIN players p ON p.id = s.player_id "
                           "WHERE g.id IN (%1) ORDER BY g.id")
                .arg(where),
            values);
    std::vector<StoredGame> found;
    while (query.next()) {
        if (found.empty() || found.back().id != query.value(0).toLongLong()) {
            StoredGame game;
            game.id = query.value(0).toLongLong();
            game.korvaId = query.value(1).toString();
            game.name = query.value(2).toString();
            game.firstSide = query.value(3).toInt();
            game.startMove = query.value(4).toInt();
            game.moves = query.value(5).toInt();
            game.invite = query.value(6).toString();
            found.push_back(game);
        }
        const int side = query.value(7).toInt() == 0 ? 0 : 1;
        found.back().players[std::size_t(side)] = query.value(8).toLongLong();
        found.back().names[std::size_t(side)] = query.value(9).toString();
    }
    return found;
}

std::optional<StoredGame> Store::game(const QString& korvaId, qint64 player) {
    std::vector<StoredGame> found =
        games(QStringLiteral("SELECT g2.id FROM games g2 JOIN seats s2 ON s2.game_id = g2.id "
                             "WHERE g2.korva_id = ? AND s2.player_id = ?"),
              {korvaId, player});
    if (found.empty())
        return std::nullopt;
    return found.front();
}

std::optional<StoredGame> Store::join(const QString& invite, qint64 player) {
    const std::optional<QString> korvaId = transaction(db_, [&]() -> std::optional<QString> {
        QSqlQuery open = run(db_,
                             QStringLiteral("SELECT g.id, g.korva_id, s.side, s.player_id FROM "
                                            "games g JOIN seats s ON s.game_id = g.id "
                                            "WHERE g.invite = ?"),
                             {invite});
        if (!open.next() || open.value(3).toLongLong() == player)
            return std::nullopt;
        const qint64 game = open.value(0).toLongLong();
        run(db_, QStringLiteral("INSERT INTO seats (game_id, side, player_id) VALUES (?, ?, ?)"),
            {game, 1 - open.value(2).toInt(), player});
        run(db_, QStringLiteral("UPDATE games SET invite = NULL WHERE id = ?"), {game});
        return open.value(1).toString();
    });
    if (!korvaId)
        return std::nullopt;
    return game(*korvaId, player);
}

std::vector<StoredGame> Store::gamesOf(qint64 player) {
    return games(QStringLiteral("SELECT game_id FROM seats WHERE player_id = ?"), {player});
}

std::vector<QByteArray> Store::rolls(qint64 game, int turn) {
    QSqlQuery query =
        run(db_,
            QStringLiteral("SELECT record FROM rolls WHERE game_id = ? AND (? = 0 OR turn = ?) "
                           "ORDER BY seq"),
            {game, turn, turn});
    std::vector<QByteArray> records;
    while (query.next())
        records.push_back(query.value(0).toByteArray());
    return records;
}

std::optional<QByteArray> Store::roll(qint64 game, int turn, int number) {
    QSqlQuery query = run(
        db_,
        QStringLiteral("SELECT record FROM rolls WHERE game_id = ? AND turn = ? AND number = ?"),
        {game, turn, number});
    if (!query.next())
        return std::nullopt;
    return query.value(0).toByteArray();
}

Store::RollPlace Store::appendRoll(qint64 game, int turn,
                                   const std::function<QByteArray(const RollPlace&)>& draw) {
    return transaction(db_, [&] {
        RollPlace place;
        QSqlQuery at = run(
            db_, QStringLiteral("SELECT start_move + moves + 1 FROM games WHERE id = ?"), {game});
        place.turn = at.next() ? at.value(0).toInt() : 0;
        QSqlQuery count =
            run(db_, QStringLiteral("SELECT count(*) FROM rolls WHERE game_id = ? AND turn = ?"),
                {game, turn});
        place.next = (count.next() ? count.value(0).toInt() : 0) + 1;
        QSqlQuery last = run(
            db_,
            QStringLiteral("SELECT record FROM rolls WHERE game_id = ? ORDER BY seq DESC LIMIT 1"),
            {game});
        if (last.next())
            place.last = last.value(0).toByteArray();
        const QByteArray record = draw(place);
        if (!record.isEmpty())
            run(db_,
                QStringLiteral(
                    "INSERT INTO rolls (game_id, turn, number, record) VALUES (?, ?, ?, ?)"),
                {game, turn, place.next, record});
        return place;
    });
}

bool Store::addTurn(qint64 game, int turn, qint64 player, const StoredTurn& stored) {
    return transaction(db_, [&] {
        QSqlQuery update = run(
            db_,
            QStringLiteral(
                "UPDATE games SET moves = moves + 1 WHERE id = ? AND start_move + moves + 1 = ?"),
            {game, turn});
        if (update.numRowsAffected() != 1)
            return false;
        run(db_,
            QStringLiteral("INSERT INTO turns (game_id, turn, player_id, file, report, received) "
                           "VALUES (?, ?, ?, ?, ?, ?)"),
            {game, turn, player, stored.file, stored.report, now()});
        return true;
    });
}

std::optional<StoredTurn> Store::turn(qint64 game, int turn) {
    QSqlQuery query = run(
        db_,
        QStringLiteral("SELECT file, report, player_id FROM turns WHERE game_id = ? AND turn = ?"),
        {game, turn});
    if (!query.next())
        return std::nullopt;
    return StoredTurn{query.value(0).toByteArray(), query.value(1).toByteArray(),
                      query.value(2).toLongLong()};
}

void Store::backup(const QString& file) {
    if (QFile::exists(file))
        throw StoreError(QStringLiteral("%1 exists already; a backup never overwrites a file")
                             .arg(file)
                             .toStdString());
    run(db_, QStringLiteral("VACUUM INTO ?"), {file});
}

void Store::check(const QString& file) {
    if (!QFile::exists(file))
        throw StoreError(QStringLiteral("%1 does not exist").arg(file).toStdString());
    const QString name = QStringLiteral("korva-check");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        const auto checked = [&]() -> QString {
            if (!db.open())
                return db.lastError().text();
            QSqlQuery integrity(db);
            if (!integrity.exec(QStringLiteral("PRAGMA integrity_check")) || !integrity.next() ||
                integrity.value(0).toString() != QLatin1String("ok"))
                return QStringLiteral("it is damaged");
            QSqlQuery version(db);
            if (!version.exec(QStringLiteral("SELECT version FROM schema_version")) ||
                !version.next())
                return QStringLiteral("it is not a Korva server's database");
            if (version.value(0).toInt() > schemaVersion())
                return QStringLiteral("its schema is newer than this server's");
            return {};
        }();
        db.close();
        if (!checked.isEmpty()) {
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throw StoreError(QStringLiteral("%1: %2").arg(file, checked).toStdString());
        }
    }
    QSqlDatabase::removeDatabase(name);
}
