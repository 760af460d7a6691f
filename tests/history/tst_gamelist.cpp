#include "base/untrustedtext.h"
#include "history/arrivedmove.h"
#include "history/gamelist.h"
#include "history/gamelisttext.h"
#include "history/gameplaces.h"
#include "history/positionkey.h"
#include "movefile/movefile.h"
#include "movefile/newgamefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

namespace {

const PlayerNames kPlayers{QStringLiteral("Alice"), QStringLiteral("Bob")};

std::vector<CounterRecord> countersAt(int shift) {
    std::vector<CounterRecord> counters;
    for (int n = 1; n <= 234; ++n)
        counters.push_back({n + shift, n + shift, 0, 0});
    return counters;
}

// A Korva move file of a game: every counter at its place shifted by `shift`, the turn as
// given; its turn began there too, or with every counter shifted by `from` (an ended turn).
QByteArray korvaFile(const std::optional<GameId>& id, std::optional<TurnRecord> turn, int shift = 0,
                     const QString& name = {}, std::optional<int> from = {}) {
    MoveFileContents contents;
    contents.counters = countersAt(shift);
    KorvaExtension block;
    block.gameId = id;
    block.turn = turn;
    block.players = kPlayers;
    block.gameName = name;
    block.turnStart = presentPlaces(from ? countersAt(*from) : contents.counters);
    return encodeMoveFile(contents) + encodeKorvaExtension(block);
}

// The opponent's program's file: the three sections alone, its turn from `from` to `to`.
QByteArray plainFile(const std::vector<CounterRecord>& from, int to) {
    MoveFileContents contents;
    contents.counters = from;
    for (std::size_t i = 0; i < from.size(); ++i)
        contents.counters[i].currentHex = int(i) + 1 + to;
    return encodeMoveFile(contents);
}

QDateTime at(int hour) {
    return QDateTime(QDate(2026, 3, 15), QTime(hour, 0), QTimeZone::utc());
}

QString shown(const QString& text) {
    return text;
}

} // namespace

// The games list from the history: one row per game, whose move it is, the file it opens,
// and the files that arrive in a watched folder.
class TestGameList : public QObject {
    Q_OBJECT
private slots:
    void init();
    void everyGameAtAGlance();
    void theFileItOpens();
    void arrivedMoves_data();
    void arrivedMoves();
    void fileWithoutIdJoinsItsGame_data();
    void fileWithoutIdJoinsItsGame();
    void watchedFolderNewestFirst();
    void filesOfSeveralFoldersStayApart();
    void turnsLinkByTheirPositions_data();
    void turnsLinkByTheirPositions();
    void namesStayQuoted_data();
    void namesStayQuoted();

private:
    QString keep(const GameId& id, const QByteArray& bytes, const QString& title,
                 HistoryEntry::Kind kind, int hour);

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<GameHistory> history_;
    QString mail_;
};

void TestGameList::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    history_ = std::make_unique<GameHistory>(dir_->filePath(QStringLiteral("history")));
    mail_ = dir_->filePath(QStringLiteral("mail"));
    QVERIFY(QDir().mkpath(mail_));
}

QString TestGameList::keep(const GameId& id, const QByteArray& bytes, const QString& title,
                           HistoryEntry::Kind kind, int hour) {
    const QString file = QDir(mail_).filePath(title + QStringLiteral(".krv"));
    [&] { QCOMPARE(history_->record(bytes, id, file, kind, at(hour)), QString()); }();
    return file;
}

void TestGameList::everyGameAtAGlance() {
    using K = HistoryEntry::Kind;
    // Salerno: Alice began it (turn 1 is the first side's), Bob answered: her move.
    const GameId salerno = GameId::generate();
    const QString salernoFile =
        keep(salerno, korvaFile(salerno, TurnRecord{1, Side::Second}, 0, QStringLiteral("Salerno")),
             QStringLiteral("salerno_t01_axis"), K::Saved, 1);
    gameplaces::noteSide(history_->root(), salerno, salernoFile, Side::First);
    keep(salerno, korvaFile(salerno, TurnRecord{2, Side::First}), QStringLiteral("salerno_t02"),
         K::Opened, 2);
    // Anzio, kept before sides were noted: she answered Bob's file as the Axis, her file shows
    // the turn she ended; then a copy damaged on disk.
    const GameId anzio = GameId::generate();
    keep(anzio, korvaFile(anzio, TurnRecord{4, Side::Second}), QStringLiteral("anzio4"), K::Opened,
         3);
    keep(anzio, korvaFile(anzio, TurnRecord{5, Side::First}, 1, {}, 0), QStringLiteral("anzio5"),
         K::Saved, 4);
    keep(anzio, QByteArray("no move file"), QStringLiteral("broken"), K::Opened, 5);
    // Ortona: only opened so far.
    const GameId ortona = GameId::generate();
    keep(ortona, korvaFile(ortona, TurnRecord{3, Side::First}), QStringLiteral("ortona"), K::Opened,
         6);

    const std::vector<GameSummary> games = listGames(*history_);
    QCOMPARE(games.size(), std::size_t{3});
    const QDateTime now = at(7);
    // Her move first, then by the age of the last file.
    QCOMPARE(games[0].id, std::optional<GameId>(salerno));
    QCOMPARE(gamelisttext::line(games[0], now, &shown),
             QStringLiteral("Salerno | you: Alice (Allies) · opponent: Bob (Axis) | Turn 2 · "
                            "Allies to move | your move | salerno_t02.krv, opened 5 hours ago | "
                            "rolls not verifiable (the file carries no dice record)"));
    QCOMPARE(games[1].id, std::optional<GameId>(ortona));
    QCOMPARE(gamelisttext::whoseMove(games[1], &shown), QStringLiteral("your side: not yet known"));
    QCOMPARE(gamelisttext::players(games[1], &shown), QStringLiteral("Allies: Alice · Axis: Bob"));
    QCOMPARE(games[2].id, std::optional<GameId>(anzio));
    // The damaged copy is the last file, and tells nothing more.
    QCOMPARE(gamelisttext::line(games[2], now, &shown, false).section(QStringLiteral(" | "), 0, 4),
             QStringLiteral("Alice – Bob | you: Bob (Axis) · opponent: Alice (Allies) | Turn 5 · "
                            "Allies to move | waiting for Alice | broken.krv, opened 2 hours ago"));
    QCOMPARE(gamelisttext::whoseMove(games[2], &shown, true),
             QStringLiteral("new move from Alice"));
    // The start page's few: by the folders' times, then in the list's order, no dice read.
    const std::vector<GameSummary> recent = listRecentGames(*history_, 2);
    QCOMPARE(recent.size(), std::size_t{2});
    QVERIFY(!recent[0].theirDice);
}

void TestGameList::theFileItOpens() {
    using K = HistoryEntry::Kind;
    const GameId game = GameId::generate();
    const QByteArray theirs = korvaFile(game, TurnRecord{2, Side::First});
    keep(game, korvaFile(game, TurnRecord{1, Side::Second}), QStringLiteral("mine"), K::Saved, 1);
    const QString file = keep(game, theirs, QStringLiteral("theirs"), K::Opened, 2);
    const GameSummary summary = *summarizeGame(*history_, GameHistory::gameKey(game, {}));
    QCOMPARE(summary.fileToOpen().title, QStringLiteral("theirs"));
    const HistoryEntry& copy = summary.fileToOpen();

    // Found by the folder among those given, as long as it holds the same bytes.
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(theirs) == theirs.size());
    out.close();
    QCOMPARE(originalFile(*history_, summary.key, copy, {}), QString());
    QCOMPARE(originalFile(*history_, summary.key, copy, {dir_->path(), mail_}), file);
    // The game's places know it without being told.
    gameplaces::note(history_->root(), game, file);
    QCOMPARE(originalFile(*history_, summary.key, copy, {}), file);
    QVERIFY(QFile::resize(file, 10));
    QCOMPARE(originalFile(*history_, summary.key, copy, {mail_}), QString());
}

void TestGameList::arrivedMoves_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("arrives");
    const GameId known =
        GameId::fromHex(QStringLiteral("0123456789abcdef0123456789abcdef")).value();
    QTest::newRow("the next turn") << korvaFile(known, TurnRecord{2, Side::First}) << true;
    QTest::newRow("the turn kept already")
        << korvaFile(known, TurnRecord{1, Side::Second}) << false;
    QTest::newRow("an older turn") << korvaFile(known, TurnRecord{1, Side::First}) << false;
    QTest::newRow("another game") << korvaFile(GameId::generate(), TurnRecord{2, Side::First})
                                  << false;
    QTest::newRow("no game id") << korvaFile(std::nullopt, TurnRecord{2, Side::First}) << false;
    QTest::newRow("no turn") << korvaFile(known, std::nullopt) << false;
    QTest::newRow("claims the game, fits none of it")
        << korvaFile(known, TurnRecord{2, Side::First}, 400) << false;
    QTest::newRow("damaged") << korvaFile(known, TurnRecord{2, Side::First}).left(900) << false;
    QTest::newRow("not a move file") << QByteArray("<html>") << false;
}

void TestGameList::arrivedMoves() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, arrives);
    const GameId known =
        GameId::fromHex(QStringLiteral("0123456789abcdef0123456789abcdef")).value();
    keep(known, korvaFile(known, TurnRecord{1, Side::First}), QStringLiteral("a"),
         HistoryEntry::Kind::Opened, 1);
    keep(known, korvaFile(known, TurnRecord{1, Side::Second}), QStringLiteral("b"),
         HistoryEntry::Kind::Saved, 2);
    keep(known, QByteArray("damaged on disk"), QStringLiteral("c"), HistoryEntry::Kind::Opened, 3);
    const QString path = dir_->filePath(QStringLiteral("downloads.krv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    const std::optional<ArrivedMove> move = arrivedMove(*history_, path);
    QCOMPARE(move.has_value(), arrives);
    if (move)
        QCOMPARE(move->gameKey, GameHistory::gameKey(known, {}));
}

void TestGameList::fileWithoutIdJoinsItsGame_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("games");
    const std::vector<CounterRecord> newGame = newGameContents().counters;
    // The game's own copies: its turn from 100 to 200, the opponent's from 200 to 300.
    QTest::newRow("its first turn, before the game had an id")
        << korvaFile(std::nullopt, TurnRecord{1, Side::Second}, 100, {}, 50) << 1;
    QTest::newRow("the opponent's program's turn after the game's")
        << plainFile(countersAt(300), 400) << 1;
    QTest::newRow("from the new game's position, like every game") << plainFile(newGame, 500) << 2;
    QTest::newRow("a turn of no game kept") << plainFile(countersAt(600), 700) << 2;
}

void TestGameList::fileWithoutIdJoinsItsGame() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, games);
    using K = HistoryEntry::Kind;
    const GameId game = GameId::generate();
    keep(game, korvaFile(game, TurnRecord{1, Side::First}, 200, {}, 100), QStringLiteral("mine"),
         K::Saved, 2);
    keep(game, korvaFile(game, TurnRecord{2, Side::Second}, 300, {}, 200), QStringLiteral("theirs"),
         K::Opened, 3);
    // Another game begun from the new game's position.
    const GameId other = GameId::generate();
    keep(other, plainFile(newGameContents().counters, 900), QStringLiteral("other"), K::Opened, 1);
    const QString file = QDir(mail_).filePath(QStringLiteral("turn1.krv"));
    QCOMPARE(history_->record(bytes, std::nullopt, file, K::Opened, at(4)), QString());

    const std::vector<GameSummary> list = listGames(*history_, false);
    QCOMPARE(int(list.size()), games + 1);
    const auto found =
        std::find_if(list.begin(), list.end(), [&](const GameSummary& g) { return g.id == game; });
    QVERIFY(found != list.end());
    QCOMPARE(found->last.title, games == 1 ? QStringLiteral("turn1") : QStringLiteral("theirs"));
    if (games == 1) {
        // Opened from its game's row, where it was.
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        out.close();
        gameplaces::note(history_->root(), std::nullopt, file);
        QCOMPARE(originalFile(*history_, found->key, found->fileToOpen(), {}), file);
    }
    // The start page's few say the same.
    QCOMPARE(int(listRecentGames(*history_, 1).size()), 1);
    QCOMPARE(listRecentGames(*history_, 1).front().key,
             games == 1 ? GameHistory::gameKey(game, {}) : GameHistory::gameKey({}, file));
}

void TestGameList::watchedFolderNewestFirst() {
    const GameId known = GameId::generate();
    keep(known, korvaFile(known, TurnRecord{1, Side::First}), QStringLiteral("a"),
         HistoryEntry::Kind::Saved, 1);
    const QString folder = dir_->filePath(QStringLiteral("downloads"));
    QVERIFY(QDir().mkpath(folder));
    const auto put = [&](const QString& name, const QByteArray& bytes, int hoursAgo) {
        QFile file(QDir(folder).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        QVERIFY(file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3600 * hoursAgo),
                                 QFileDevice::FileModificationTime));
    };
    // A folder fuller than is looked at: the move that came last is found all the same.
    constexpr qsizetype kLooked = 20;
    for (int n = 0; n < kLooked; ++n)
        put(QStringLiteral("a%1.krv").arg(n, 5, 10, QLatin1Char('0')), {}, 2);
    put(QStringLiteral("zz_answer.krv"), korvaFile(known, TurnRecord{1, Side::Second}), 0);
    // A move file grown past any move file's size is passed over unread.
    put(QStringLiteral("big.krv"),
        korvaFile(known, TurnRecord{2, Side::First}) + QByteArray(arrival::kMaxMoveFileBytes, '\0'),
        0);
    const QFileInfoList files = watchedMoveFiles(folder, kLooked);
    QCOMPARE(files.size(), kLooked);
    QCOMPARE(files.first().fileName(), QStringLiteral("zz_answer.krv"));
    QVERIFY(!arrivedMove(*history_, QDir(folder).filePath(QStringLiteral("big.krv"))));
    const QHash<QString, ArrivedMove> arrived = ::arrivedMoves(*history_, {folder});
    QCOMPARE(arrived.size(), 1);
    QCOMPARE(arrived.begin()->turn, (TurnRecord{1, Side::Second}));
}

// Files without an id from two folders, linked to no game: each folder's stay a game of
// their own, and the second folder's are not measured against the first's.
void TestGameList::filesOfSeveralFoldersStayApart() {
    using K = HistoryEntry::Kind;
    const GameId game = GameId::generate();
    keep(game, korvaFile(game, TurnRecord{1, Side::First}, 200, {}, 100), QStringLiteral("mine"),
         K::Saved, 1);
    for (const int shift : {600, 800}) {
        const QString folder = QDir(mail_).filePath(QString::number(shift));
        QVERIFY(QDir().mkpath(folder));
        const QString file = QDir(folder).filePath(QStringLiteral("turn.krv"));
        QCOMPARE(history_->record(plainFile(countersAt(shift), shift + 100), std::nullopt, file,
                                  K::Opened, at(2)),
                 QString());
    }
    QCOMPARE(listGames(*history_, false).size(), std::size_t{3});
}

void TestGameList::turnsLinkByTheirPositions_data() {
    QTest::addColumn<QByteArray>("aBegin");
    QTest::addColumn<QByteArray>("aEnd");
    QTest::addColumn<QByteArray>("bBegin");
    QTest::addColumn<QByteArray>("bEnd");
    QTest::addColumn<bool>("linked");
    const QByteArray fresh = positionkey::newGame();
    QTest::newRow("b answers a") << QByteArray("p") << QByteArray("q") << QByteArray("q")
                                 << QByteArray("r") << true;
    QTest::newRow("a answers b") << QByteArray("q") << QByteArray("r") << QByteArray("p")
                                 << QByteArray("q") << true;
    QTest::newRow("one turn saved twice")
        << QByteArray("p") << QByteArray("q") << QByteArray("p") << QByteArray("s") << true;
    // Two turns that end alike began apart: nothing says they are one game's.
    QTest::newRow("same end only")
        << QByteArray("p") << QByteArray("q") << QByteArray("r") << QByteArray("q") << false;
    QTest::newRow("both new games")
        << fresh << QByteArray("q") << fresh << QByteArray("r") << false;
    QTest::newRow("unreadable") << QByteArray() << QByteArray() << QByteArray() << QByteArray()
                                << false;
}

void TestGameList::turnsLinkByTheirPositions() {
    QFETCH(QByteArray, aBegin);
    QFETCH(QByteArray, aEnd);
    QFETCH(QByteArray, bBegin);
    QFETCH(QByteArray, bEnd);
    QFETCH(bool, linked);
    const positionkey::Turn a{aBegin, aEnd};
    const positionkey::Turn b{bBegin, bEnd};
    QCOMPARE(positionkey::linked(a, b), linked);
    QCOMPARE(positionkey::linked(b, a), linked);
}

// A name, a game's name or a file's title never passes for a column, a verdict or Korva's
// "you", on a terminal or in the window.
void TestGameList::namesStayQuoted_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("player");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("terminal");
    QTest::addColumn<QString>("window");
    const QString verdict =
        QStringLiteral("rolls not verifiable (the file carries no dice record)");
    QTest::newRow("forged columns")
        << QStringLiteral("X | Turn 9 \u00b7 Allies to move | your move") << QStringLiteral("Bob")
        << QStringLiteral("t9")
        << QStringLiteral("\"X | Turn 9 \u00b7 Allies to move | your move\" | you: \"Al\" (Axis) "
                          "\u00b7 opponent: \"Bob\" (Allies) | Turn 9 \u00b7 Allies to move | "
                          "waiting for \"Bob\" | \"t9.krv\", opened 1 hour ago | ") +
               verdict
        << QStringLiteral("opponent: \u201C\u2068Bob\u2069\u201D");
    QTest::newRow("opponent named you")
        << QString() << QStringLiteral("you") << QStringLiteral("a\" | b")
        << QStringLiteral("\"you\" \u2013 \"Al\" | you: \"Al\" (Axis) \u00b7 opponent: \"you\" "
                          "(Allies) | Turn 9 \u00b7 Allies to move | waiting for \"you\" | "
                          "\"a\\\" | b.krv\", opened 1 hour ago | ") +
               verdict
        << QStringLiteral("opponent: \u201C\u2068you\u2069\u201D");
}

void TestGameList::namesStayQuoted() {
    QFETCH(QString, name);
    QFETCH(QString, player);
    QFETCH(QString, title);
    GameSummary game;
    game.name = name;
    game.players = {player, QStringLiteral("Al")};
    game.mySide = Side::Second;
    game.turn = TurnRecord{9, Side::First};
    game.last.title = title;
    game.last.time = at(6);
    game.last.kind = HistoryEntry::Kind::Opened;
    DiceVerdict unchecked;
    unchecked.why = QStringLiteral("the file carries no dice record");
    game.theirDice = unchecked;
    QTEST(gamelisttext::line(game, at(7), &untrustedtext::quotedForTerminal), "terminal");
    QFETCH(QString, window);
    QVERIFY2(gamelisttext::players(game, &untrustedtext::quoted).contains(window),
             qPrintable(gamelisttext::players(game, &untrustedtext::quoted)));
}

QTEST_GUILESS_MAIN(TestGameList)
#include "tst_gamelist.moc"
