#include "geometry/hexgrid.h"
#include "movefile/korvaextension.h"
#include "movefile/movefilewriter.h"
#include "movefile/newgamefile.h"
#include "movefile/openedmovefile.h"
#include "netplay/witnesschain.h"
#include "netplay/witnessverdict.h"
#include "tests/common/serverprocess.h"
#include "tests/common/smalltmpfs.h"

#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSslConfiguration>
#include <QSslKey>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QWebSocket>

#include <sodium.h>

// The real server process on a loopback port, over a real SQLite file in a temporary folder.
class TestServer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void tokens();
    void notYourGameIsNoGame();
    void createAndJoin();
    void rolls();
    void uploadsRefused_data();
    void uploadsRefused();
    void acceptedTurnIsPushedAndKept();
    void verdicts_data();
    void verdicts();
    void newerDatabaseIsRefused();
    void limits_data();
    void limits();
    void killedMidway_data();
    void killedMidway();
    void droppedClient();
    void twoServersOneLog();
    void fullDisk();
    void lockedDatabase();
    void backupAndRestore();
    void olderSchemaIsBroughtUp();
    void https();
    void logHoldsNoToken();
};

namespace {

struct Answer {
    int status = 0;
    QJsonObject body;
};

// A side of a game: the player's token and the game's id.
struct Seat {
    QByteArray token;
    GameId game = GameId::generate();
};

QTemporaryDir* folder = nullptr;
QProcess* server = nullptr;
quint16 port = 0;
QByteArray publicKey;

QString scheme = QStringLiteral("http");
// Everything the server processes of this run said, and every token they gave.
QByteArray serverLog;
QList<QByteArray> tokensGiven;

QString dataFolder() {
    return folder->filePath(QStringLiteral("data"));
}

// Every test's players come from one address: a limit given in `extra` comes after.
bool startServer(const QStringList& extra = {}, const QString& data = dataFolder()) {
    server = new QProcess;
    const serverprocess::Listening listening = serverprocess::start(
        *server, QStringLiteral(KORVA_SERVER_PATH), data,
        QStringList{QStringLiteral("--limit"), QStringLiteral("registrations_per_hour=1000")} +
            extra);
    serverLog += listening.said;
    port = listening.port;
    scheme = listening.scheme;
    return port != 0;
}

void stopServer(bool kill = false) {
    if (kill)
        server->kill();
    else
        server->terminate();
    server->waitForFinished();
    serverLog += server->readAllStandardError();
    delete server;
    server = nullptr;
}

// The server again with the usual options, after a test that ran it otherwise.
bool restartServer(const QStringList& extra = {}, const QString& data = dataFolder()) {
    stopServer();
    return startServer(extra, data);
}

QNetworkAccessManager& network() {
    static QNetworkAccessManager manager;
    return manager;
}

Answer call(const QByteArray& method, const QString& path, const QJsonObject& body = {},
            const QByteArray& token = {}) {
    QNetworkRequest request(
        QUrl(QStringLiteral("%1://127.0.0.1:%2%3").arg(scheme).arg(port).arg(path)));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    if (!token.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + token);
    QNetworkReply* reply = network().sendCustomRequest(
        request, method, method == "GET" ? QByteArray() : QJsonDocument(body).toJson());
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    reply->deleteLater();
    return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
            QJsonDocument::fromJson(reply->readAll()).object()};
}

QByteArray registerPlayer(const QString& name) {
    tokensGiven.append(call("POST", QStringLiteral("/players"), {{QStringLiteral("name"), name}})
                           .body.value(QStringLiteral("token"))
                           .toString()
                           .toLatin1());
    return tokensGiven.last();
}

QString path(const GameId& game, const QString& rest = {}) {
    return QStringLiteral("/games/") + game.toHex() + rest;
}

// Alice (the first side, to move) and Bob in a new game of their own.
std::pair<Seat, Seat> newGame() {
    Seat alice{registerPlayer(QStringLiteral("Alice")), GameId::generate()};
    const Answer made =
        call("POST", QStringLiteral("/games"),
             {{QStringLiteral("game"), alice.game.toHex()},
              {QStringLiteral("name"), QStringLiteral("Salerno")},
              {QStringLiteral("side"), 0},
              {QStringLiteral("turn"), QJsonObject{{QStringLiteral("number"), 1},
                                                   {QStringLiteral("toMove"), 0},
                                                   {QStringLiteral("movesFirst"), 0}}}},
             alice.token);
    Seat bob{registerPlayer(QStringLiteral("Bob")), alice.game};
    call("POST", QStringLiteral("/games/join"),
         {{QStringLiteral("invite"), made.body.value(QStringLiteral("invite"))}}, bob.token);
    return {alice, bob};
}

const int kHex = hexgrid::hexIndexOf(5, 7);

Answer roll(const Seat& seat, int turn, int number, int hex = kHex,
            const QByteArray& comment = "attack") {
    return call("POST", path(seat.game, QStringLiteral("/rolls")),
                {{QStringLiteral("turn"), turn},
                 {QStringLiteral("number"), number},
                 {QStringLiteral("hex"), hex},
                 {QStringLiteral("comment"), QString::fromLatin1(comment.toBase64())}},
                seat.token);
}

WitnessedRoll recordOf(const Answer& answer) {
    return witnessrecord::decode(
        QByteArray::fromBase64(answer.body.value(QStringLiteral("record")).toString().toLatin1()));
}

// The combat a witnessed roll stands for, as the tags section holds it.
TagRecord combatOf(const WitnessedRoll& roll, const std::string& comment = "attack") {
    return {hexgrid::hexPosition(roll.hex), std::int32_t(roll.die), comment};
}

// Turn 1's file: Alice's move, handing it to Bob.
QByteArray moveFile(const GameId& game, const std::vector<TagRecord>& tags,
                    const std::optional<std::vector<WitnessedRoll>>& rolls,
                    TurnRecord next = {1, Side::Second, Side::First}) {
    MoveFileContents contents = newGameContents();
    contents.tags = tags;
    KorvaExtension block;
    block.gameId = game;
    block.turn = next;
    block.witnessedRolls = rolls;
    return encodeMoveFile(contents) + encodeKorvaExtension(block);
}

Answer upload(const Seat& seat, const QByteArray& file) {
    return call("POST", path(seat.game, QStringLiteral("/turns")),
                {{QStringLiteral("file"), QString::fromLatin1(file.toBase64())},
                 {QStringLiteral("report"), QStringLiteral("cmVwb3J0")}},
                seat.token);
}

} // namespace

void TestServer::initTestCase() {
    folder = new QTemporaryDir;
    QProcess init;
    init.start(QStringLiteral(KORVA_SERVER_PATH), {QStringLiteral("--init"), dataFolder()});
    QVERIFY(init.waitForFinished());
    QCOMPARE(init.exitCode(), 0);
    const QList<QByteArray> lines = init.readAllStandardOutput().trimmed().split('\n');
    publicKey = *witnesschain::keyOfFingerprint(QString::fromLatin1(lines.last()));
    // A second --init never replaces the key.
    init.start(QStringLiteral(KORVA_SERVER_PATH), {QStringLiteral("--init"), dataFolder()});
    QVERIFY(init.waitForFinished());
    QVERIFY(init.exitCode() != 0);
    QVERIFY(startServer());
    QCOMPARE(call("GET", QStringLiteral("/key")).body.value(QStringLiteral("publicKey")).toString(),
             QString::fromLatin1(publicKey.toHex()));
}

void TestServer::cleanupTestCase() {
    stopServer();
    delete folder;
}

void TestServer::tokens() {
    const QByteArray token = registerPlayer(QStringLiteral("Alice"));
    QVERIFY(!token.isEmpty());
    QCOMPARE(call("GET", QStringLiteral("/games"), {}, token).status, 200);
    QByteArray forged = token;
    forged[forged.size() - 2] = forged[forged.size() - 2] == 'A' ? 'B' : 'A';
    const QByteArray otherPlayer = "999" + token.mid(token.indexOf('.'));
    for (const QByteArray& wrong : {QByteArray(), forged, otherPlayer, QByteArray("1.x")})
        QCOMPARE(call("GET", QStringLiteral("/games"), {}, wrong).status, 401);
    QCOMPARE(
        call("POST", QStringLiteral("/players"), {{QStringLiteral("name"), QStringLiteral("a\nb")}})
            .status,
        400);
}

void TestServer::notYourGameIsNoGame() {
    const auto [alice, bob] = newGame();
    const Seat carol{registerPlayer(QStringLiteral("Carol")), alice.game};
    const Seat nowhere{carol.token, GameId::generate()};
    for (const QString& rest : {QString(), QStringLiteral("/rolls"), QStringLiteral("/turns/1")}) {
        const Answer theirs = call("GET", path(carol.game, rest), {}, carol.token);
        const Answer none = call("GET", path(nowhere.game, rest), {}, carol.token);
        QCOMPARE(theirs.status, 404);
        QCOMPARE(theirs.status, none.status);
        QCOMPARE(theirs.body, none.body);
    }
    QCOMPARE(roll(carol, 1, 1).body, roll(nowhere, 1, 1).body);
    QCOMPARE(upload(carol, "x").body, upload(nowhere, "x").body);
}

void TestServer::createAndJoin() {
    const auto [alice, bob] = newGame();
    const Answer seen = call("GET", path(alice.game), {}, bob.token);
    QCOMPARE(seen.status, 200);
    QCOMPARE(seen.body.value(QStringLiteral("side")).toInt(), 1);
    QCOMPARE(seen.body.value(QStringLiteral("players")).toArray(),
             (QJsonArray{QStringLiteral("Alice"), QStringLiteral("Bob")}));
    QVERIFY(!seen.body.contains(QStringLiteral("invite"))); // used up
    QVERIFY(call("GET", path(alice.game), {}, alice.token)
                .body.value(QStringLiteral("yourMove"))
                .toBool());
    QCOMPARE(call("GET", QStringLiteral("/games"), {}, alice.token)
                 .body.value(QStringLiteral("games"))
                 .toArray()
                 .size(),
             1);

    // An invite takes one opponent, never the game's creator.
    const Seat carol{registerPlayer(QStringLiteral("Carol")), GameId::generate()};
    const Answer made =
        call("POST", QStringLiteral("/games"),
             {{QStringLiteral("game"), carol.game.toHex()},
              {QStringLiteral("name"), QStringLiteral("Anzio")},
              {QStringLiteral("side"), 1},
              {QStringLiteral("turn"), QJsonObject{{QStringLiteral("number"), 1},
                                                   {QStringLiteral("toMove"), 0},
                                                   {QStringLiteral("movesFirst"), 0}}}},
             carol.token);
    QCOMPARE(made.status, 201);
    // A game without a name is refused, not failed in the store.
    QCOMPARE(call("POST", QStringLiteral("/games"),
                  {{QStringLiteral("game"), GameId::generate().toHex()},
                   {QStringLiteral("side"), 0},
                   {QStringLiteral("turn"), QJsonObject{{QStringLiteral("number"), 1},
                                                        {QStringLiteral("toMove"), 0},
                                                        {QStringLiteral("movesFirst"), 0}}}},
                  carol.token)
                 .status,
             400);
    const QJsonObject invite{{QStringLiteral("invite"), made.body.value(QStringLiteral("invite"))}};
    QCOMPARE(call("POST", QStringLiteral("/games/join"), invite, carol.token).status, 404);
    QCOMPARE(call("POST", QStringLiteral("/games/join"), invite, alice.token).status, 200);
    QCOMPARE(call("POST", QStringLiteral("/games/join"), invite, bob.token).status, 404);
}

void TestServer::rolls() {
    const auto [alice, bob] = newGame();
    QCOMPARE(roll(bob, 1, 1).status, 409);   // not his move
    QCOMPARE(roll(alice, 2, 1).status, 409); // not the turn being played
    QCOMPARE(roll(alice, 1, 2).status, 409); // not the next number
    const Answer first = roll(alice, 1, 1);
    QCOMPARE(first.status, 201);
    // Asked again, even with another hex, the same record: never a second die.
    const Answer again = roll(alice, 1, 1, kHex + 1);
    QCOMPARE(again.status, 200);
    QCOMPARE(again.body, first.body);
    QCOMPARE(roll(alice, 1, 3).status, 409);
    const Answer second = roll(alice, 1, 2);
    QCOMPARE(second.status, 201);
    QVERIFY(witnesschain::signatureValid(recordOf(second), publicKey));
    QCOMPARE(recordOf(second).previous, witnesschain::chainHash(recordOf(first)));
    QCOMPARE(call("GET", path(alice.game, QStringLiteral("/rolls")), {}, bob.token)
                 .body.value(QStringLiteral("rolls"))
                 .toArray()
                 .size(),
             2);
}

void TestServer::uploadsRefused_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("reason");
    QTest::newRow("over 1 MiB") << "big" << 413 << "larger than 1 MiB";
    QTest::newRow("damaged") << "cut" << 409 << "damaged";
    QTest::newRow("another game") << "game" << 409 << "another game";
    QTest::newRow("turn not the next") << "turn" << 409 << "does not follow";
    QTest::newRow("a roll left out") << "leave" << 409 << "roll 2 was rolled on the server";
    QTest::newRow("a die changed") << "die" << 409 << "roll 1 does not match";
    QTest::newRow("by the player not to move") << "bob" << 409 << "not your move";
}

void TestServer::uploadsRefused() {
    QFETCH(QString, change);
    QFETCH(int, status);
    QFETCH(QString, reason);
    const auto [alice, bob] = newGame();
    std::vector<WitnessedRoll> rolled{recordOf(roll(alice, 1, 1)), recordOf(roll(alice, 1, 2))};
    std::vector<TagRecord> tags{combatOf(rolled[0]), combatOf(rolled[1])};
    GameId game = alice.game;
    TurnRecord next{1, Side::Second, Side::First};
    if (change == QLatin1String("leave")) {
        rolled.pop_back();
        tags.pop_back();
    } else if (change == QLatin1String("die")) {
        tags[0].dieValue = tags[0].dieValue % 6 + 1;
    } else if (change == QLatin1String("game")) {
        game = GameId::generate();
    } else if (change == QLatin1String("turn")) {
        next = {2, Side::First, Side::First};
    }
    QByteArray file = moveFile(game, tags, rolled, next);
    if (change == QLatin1String("big"))
        file += QByteArray(1024 * 1024, 'x');
    if (change == QLatin1String("cut"))
        file.chop(file.size() - 100);
    const Answer refused = upload(change == QLatin1String("bob") ? bob : alice, file);
    QCOMPARE(refused.status, status);
    QVERIFY2(refused.body.value(QStringLiteral("error")).toString().contains(reason),
             qPrintable(refused.body.value(QStringLiteral("error")).toString()));
    QCOMPARE(call("GET", path(alice.game, QStringLiteral("/turns/1")), {}, alice.token).status,
             404);
}

void TestServer::acceptedTurnIsPushedAndKept() {
    const auto [alice, bob] = newGame();
    QWebSocket push;
    QSignalSpy heard(&push, &QWebSocket::textMessageReceived);
    push.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/events").arg(port)));
    QVERIFY(QSignalSpy(&push, &QWebSocket::connected).wait(2000) ||
            push.state() == QAbstractSocket::ConnectedState);
    push.sendTextMessage(QString::fromLatin1("{\"token\":\"" + bob.token + "\"}"));
    QVERIFY(heard.wait(2000)); // ready

    const WitnessedRoll rolled = recordOf(roll(alice, 1, 1));
    const QByteArray file = moveFile(alice.game, {combatOf(rolled)}, {{rolled}});
    QCOMPARE(upload(alice, file).status, 201);
    QVERIFY(heard.count() == 2 || heard.wait(1000));
    const QJsonObject event =
        QJsonDocument::fromJson(heard.last().first().toString().toUtf8()).object();
    QCOMPARE(event.value(QStringLiteral("game")).toString(), alice.game.toHex());
    QCOMPARE(event.value(QStringLiteral("turn")).toInt(), 1);
    // The same bytes again (an answer lost on the way) are answered as taken, and told no
    // second time; any other file is refused: the move is Bob's now.
    QCOMPARE(upload(alice, file).status, 200);
    QVERIFY(!heard.wait(300));
    QCOMPARE(upload(alice, moveFile(alice.game, {}, {})).status, 409);
    QCOMPARE(roll(alice, 1, 2).status, 409);

    // One line per request, by route and player; never a token.
    const QByteArray log = server->readAllStandardError();
    serverLog += log;
    QVERIFY2(log.contains(" POST /games/{id}/turns 201 "), log.constData());
    QVERIFY(!log.contains(alice.token.mid(alice.token.indexOf('.') + 1)));
    QVERIFY(!log.contains(bob.token.mid(bob.token.indexOf('.') + 1)));

    // A restart keeps the players, the game, the turn and every roll.
    stopServer();
    QVERIFY(startServer());
    const Answer kept = call("GET", path(alice.game, QStringLiteral("/turns/1")), {}, bob.token);
    QCOMPARE(kept.status, 200);
    QCOMPARE(QByteArray::fromBase64(kept.body.value(QStringLiteral("file")).toString().toLatin1()),
             file);
    QCOMPARE(recordOf(roll(alice, 1, 1)), rolled);
    const Answer game = call("GET", path(alice.game), {}, bob.token);
    QCOMPARE(game.body.value(QStringLiteral("turn")).toInt(), 2);
    QVERIFY(game.body.value(QStringLiteral("yourMove")).toBool());
    // The chain goes on across turns and restarts.
    const Answer bobs = roll(bob, 2, 1);
    QCOMPARE(bobs.status, 201);
    QCOMPARE(recordOf(bobs).previous, witnesschain::chainHash(rolled));
}

void TestServer::verdicts_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("as rolled") << ""
                               << "all 3 rolls witnessed by the server";
    QTest::newRow("a die changed") << "die"
                                   << "roll 2 does not match the server's record";
    QTest::newRow("moved to another hex") << "hex"
                                          << "roll 2 does not match the server's record";
    QTest::newRow("the last roll left out")
        << "last"
        << "roll 3 was rolled on the server but is not in this file";
    QTest::newRow("a roll left out") << "middle"
                                     << "roll 2 was rolled on the server but is not in this file";
    QTest::newRow("renumbered") << "renumber"
                                << "roll 2 does not match the server's record";
    QTest::newRow("another key's signature") << "key"
                                             << "roll 2 does not match the server's record";
    // Someone with the server's own key draws roll 1 again: roll 2 no longer follows it.
    QTest::newRow("redrawn with the server's key") << "redrawn"
                                                   << "roll 2 does not match the server's record";
}

void TestServer::verdicts() {
    QFETCH(QString, change);
    QFETCH(QString, verdict);
    const auto [alice, bob] = newGame();
    std::vector<WitnessedRoll> rolls;
    for (int number = 1; number <= 3; ++number)
        rolls.push_back(recordOf(roll(alice, 1, number)));
    std::vector<WitnessedRoll> log = rolls;
    std::vector<TagRecord> tags;
    for (const WitnessedRoll& rolled : rolls)
        tags.push_back(combatOf(rolled));
    if (change == QLatin1String("die")) {
        tags[1].dieValue = tags[1].dieValue % 6 + 1;
    } else if (change == QLatin1String("hex")) {
        tags[1].position = hexgrid::hexPosition(kHex + 1);
    } else if (change == QLatin1String("last") || change == QLatin1String("middle")) {
        const auto at = change == QLatin1String("last") ? 2 : 1;
        rolls.erase(rolls.begin() + at);
        tags.erase(tags.begin() + at);
    } else if (change == QLatin1String("renumber")) {
        std::swap(rolls[1].number, rolls[2].number);
        std::swap(rolls[1], rolls[2]);
        std::swap(tags[1], tags[2]);
    } else if (change == QLatin1String("redrawn")) {
        QFile key(folder->filePath(QStringLiteral("data/signing.key")));
        QVERIFY(key.open(QIODevice::ReadOnly));
        rolls[0].die = rolls[0].die % 6 + 1;
        rolls[0].timeMs += 1;
        tags[0].dieValue = std::int32_t(rolls[0].die);
        witnesschain::sign(rolls[0], key.readAll());
        log.clear(); // checked alone: the log would differ at once
    } else if (change == QLatin1String("key")) {
        QByteArray otherPublic(crypto_sign_PUBLICKEYBYTES, '\0');
        QByteArray otherSecret(crypto_sign_SECRETKEYBYTES, '\0');
        crypto_sign_keypair(reinterpret_cast<unsigned char*>(otherPublic.data()),
                            reinterpret_cast<unsigned char*>(otherSecret.data()));
        rolls[1].die = rolls[1].die % 6 + 1;
        tags[1].dieValue = std::int32_t(rolls[1].die);
        witnesschain::sign(rolls[1], otherSecret);
    }
    // The player's Korva checks the file alone, and with the server's log.
    const WitnessExpectation alone{alice.game.bytes(), 1, publicKey, std::nullopt};
    WitnessExpectation withLog = alone;
    if (!log.empty())
        withLog.serverLog = log;
    const OpenedMoveFile opened = parseOpenedMoveFile(moveFile(alice.game, tags, rolls));
    const WitnessVerdict checked =
        verifyWitnessed(opened.extension.witnessedRolls, opened.contents.tags, withLog);
    QCOMPARE(checked.text().left(verdict.size()), verdict);
    if (change != QLatin1String("last"))
        QCOMPARE(verifyWitnessed(opened.extension.witnessedRolls, opened.contents.tags, alone)
                     .text()
                     .left(verdict.size()),
                 verdict);
}

// A database of a later server is left alone rather than opened and damaged.
void TestServer::newerDatabaseIsRefused() {
    QTemporaryDir later;
    const QString data = later.filePath(QStringLiteral("data"));
    QCOMPARE(QProcess::execute(QStringLiteral(KORVA_SERVER_PATH), {QStringLiteral("--init"), data}),
             0);
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("later"));
        db.setDatabaseName(data + QStringLiteral("/korva.sqlite"));
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(QStringLiteral("UPDATE schema_version SET version = 99"), db).isActive());
    }
    QSqlDatabase::removeDatabase(QStringLiteral("later"));
    QProcess run;
    run.start(QStringLiteral(KORVA_SERVER_PATH),
              {QStringLiteral("--data"), data, QStringLiteral("--listen"),
               QStringLiteral("127.0.0.1:0")});
    QVERIFY(run.waitForFinished());
    QCOMPARE(run.exitCode(), 1);
    QVERIFY(run.readAllStandardError().contains("newer than this server's"));
}

namespace {

// Sends `bytes` on a connection of its own and answers what came back by the time the
// server closed it or `waitMs` passed.
QByteArray exchange(const QByteArray& bytes, int waitMs = 3000) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(2000))
        return "(no connection)";
    socket.write(bytes);
    QByteArray answer;
    QElapsedTimer clock;
    clock.start();
    while (socket.state() == QAbstractSocket::ConnectedState && clock.elapsed() < waitMs) {
        socket.waitForReadyRead(50);
        answer += socket.readAll();
    }
    return answer + socket.readAll();
}

QByteArray requestBytes(const QByteArray& method, const QString& target, const QJsonObject& body,
                        const QByteArray& token = {}) {
    const QByteArray json = QJsonDocument(body).toJson(QJsonDocument::Compact);
    return method + ' ' + target.toLatin1() + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" +
           (token.isEmpty() ? QByteArray() : "Authorization: Bearer " + token + "\r\n") +
           "Content-Type: application/json\r\nContent-Length: " + QByteArray::number(json.size()) +
           "\r\n\r\n" + json;
}

QJsonObject rollBody(int turn, int number) {
    return {{QStringLiteral("turn"), turn},
            {QStringLiteral("number"), number},
            {QStringLiteral("hex"), kHex},
            {QStringLiteral("comment"), QStringLiteral("YXR0YWNr")}};
}

std::vector<WitnessedRoll> serverLogOf(const Seat& seat) {
    std::vector<WitnessedRoll> log;
    for (const QJsonValue& roll :
         call("GET", path(seat.game, QStringLiteral("/rolls")), {}, seat.token)
             .body.value(QStringLiteral("rolls"))
             .toArray())
        log.push_back(witnessrecord::decode(QByteArray::fromBase64(
            roll.toObject().value(QStringLiteral("record")).toString().toLatin1())));
    return log;
}

// The game's log is whole: numbered from 1 with no gap, each signed and chained to the last.
bool logIsWhole(const std::vector<WitnessedRoll>& log) {
    for (std::size_t i = 0; i < log.size(); ++i)
        if (log[i].number != i + 1 || !witnesschain::signatureValid(log[i], publicKey) ||
            (i > 0 && log[i].previous != witnesschain::chainHash(log[i - 1])))
            return false;
    return true;
}

QByteArray validTurn(const Seat& alice, int rolls) {
    std::vector<WitnessedRoll> rolled;
    std::vector<TagRecord> tags;
    for (int number = 1; number <= rolls; ++number) {
        rolled.push_back(recordOf(roll(alice, 1, number)));
        tags.push_back(combatOf(rolled.back()));
    }
    return moveFile(alice.game, tags, rolled);
}

int turnOf(const Seat& seat) {
    return call("GET", path(seat.game), {}, seat.token).body.value(QStringLiteral("turn")).toInt();
}

} // namespace

void TestServer::limits_data() {
    QTest::addColumn<QString>("limit");
    QTest::addColumn<QByteArray>("probe");
    QTest::addColumn<QByteArray>("answer");
    // A body larger than the limit is refused from its headers, its bytes never sent.
    QTest::newRow("request size") << "max_request_bytes=4096"
                                  << QByteArray("POST /players HTTP/1.1\r\nHost: x\r\n"
                                                "Content-Length: 5000000\r\n\r\n")
                                  << QByteArray("HTTP/1.1 413 ");
    QTest::newRow("header size") << "max_header_bytes=2048"
                                 << "GET /key HTTP/1.1\r\nX-Long: " + QByteArray(3000, 'x')
                                 << QByteArray("HTTP/1.1 431 ");
    QTest::newRow("header timeout")
        << "header_timeout_s=1" << QByteArray("GET /key HT") << QByteArray("HTTP/1.1 408 ");
    QTest::newRow("request timeout")
        << "request_timeout_s=1"
        << QByteArray("POST /players HTTP/1.1\r\nHost: x\r\nContent-Length: 100\r\n\r\n{")
        << QByteArray("HTTP/1.1 408 ");
    // A kept-alive connection is answered, then closed once idle.
    QTest::newRow("idle timeout") << "idle_timeout_s=1"
                                  << QByteArray("GET /key HTTP/1.1\r\nHost: x\r\n\r\n")
                                  << QByteArray("HTTP/1.1 200 ");
    QTest::newRow("connections per address")
        << "connections_per_address=2" << QByteArray("connections") << QByteArray("HTTP/1.1 429 ");
    QTest::newRow("rolls per minute")
        << "rolls_per_minute=2" << QByteArray("rolls") << QByteArray("429");
    QTest::newRow("registrations per hour")
        << "registrations_per_hour=2" << QByteArray("registrations") << QByteArray("429");
}

void TestServer::limits() {
    QFETCH(QString, limit);
    QFETCH(QByteArray, probe);
    QFETCH(QByteArray, answer);
    QVERIFY(restartServer({QStringLiteral("--limit"), limit}));
    QByteArray said;
    if (probe == "connections") {
        QTcpSocket first;
        QTcpSocket second;
        for (QTcpSocket* open : {&first, &second}) {
            open->connectToHost(QHostAddress::LocalHost, port);
            QVERIFY(open->waitForConnected(2000));
        }
        said = exchange("GET /key HTTP/1.1\r\nHost: x\r\n\r\n");
        // A closed connection no longer counts (as soon as the server reads its end).
        first.close();
        QByteArray after;
        QElapsedTimer clock;
        clock.start();
        while (!after.startsWith("HTTP/1.1 200 ") && clock.elapsed() < 10000)
            after = exchange("GET /key HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
        QVERIFY2(after.startsWith("HTTP/1.1 200 "), after.left(100).constData());
    } else if (probe == "rolls") {
        const auto [alice, bob] = newGame();
        QCOMPARE(roll(alice, 1, 1).status, 201);
        QCOMPARE(roll(alice, 1, 2).status, 201);
        said = QByteArray::number(roll(alice, 1, 3).status);
        QCOMPARE(roll(bob, 1, 3).status, 409); // another player's own count
    } else if (probe == "registrations") {
        QVERIFY(!registerPlayer(QStringLiteral("One")).isEmpty());
        QVERIFY(!registerPlayer(QStringLiteral("Two")).isEmpty());
        tokensGiven.removeLast(); // the refused one gave none
        said = QByteArray::number(call("POST", QStringLiteral("/players"),
                                       {{QStringLiteral("name"), QStringLiteral("Three")}})
                                      .status);
    } else {
        QElapsedTimer clock;
        clock.start();
        said = exchange(probe, 4000);
        // The server closed the connection itself, well before the test gave up.
        QVERIFY2(clock.elapsed() < 3500, qPrintable(limit));
    }
    QVERIFY2(said.startsWith(answer), said.left(200).constData());
    QVERIFY(restartServer());
    if (answer.startsWith("HTTP/1.1 4") && answer != "HTTP/1.1 429 ")
        QVERIFY(serverLog.contains(" (refused) " + answer.mid(9, 3)));
}

void TestServer::killedMidway_data() {
    QTest::addColumn<bool>("upload");
    QTest::newRow("during an upload") << true;
    QTest::newRow("during rolls") << false;
}

// kill -9 mid-request, then a restart: no half turn, no roll lost, none drawn twice.
void TestServer::killedMidway() {
    QFETCH(bool, upload);
    const auto [alice, bob] = newGame();
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(socket.waitForConnected(2000));
    QByteArray heard;
    if (upload) {
        const QByteArray file = validTurn(alice, 2);
        const QByteArray request = requestBytes(
            "POST", path(alice.game, QStringLiteral("/turns")),
            {{QStringLiteral("file"), QString::fromLatin1(file.toBase64())}}, alice.token);
        socket.write(request.left(request.size() - 40));
        QVERIFY(socket.waitForBytesWritten(2000));
        QTest::qWait(100);
        stopServer(true);
        QVERIFY(startServer());
        QCOMPARE(turnOf(alice), 1);
        QCOMPARE(call("GET", path(alice.game, QStringLiteral("/turns/1")), {}, alice.token).status,
                 404);
        QVERIFY(logIsWhole(serverLogOf(alice)));
        QCOMPARE(serverLogOf(alice).size(), std::size_t(2));
        QCOMPARE(::upload(alice, file).status, 201);
        QCOMPARE(turnOf(bob), 2);
        return;
    }
    // Forty rolls asked at once on one connection; killed as soon as the first is answered.
    QByteArray requests;
    for (int number = 1; number <= 40; ++number)
        requests += requestBytes("POST", path(alice.game, QStringLiteral("/rolls")),
                                 rollBody(1, number), alice.token);
    socket.write(requests);
    while (!heard.contains("\"record\"") && socket.waitForReadyRead(2000))
        heard += socket.readAll();
    stopServer(true);
    heard += socket.readAll();
    QVERIFY(startServer());
    const std::vector<WitnessedRoll> log = serverLogOf(alice);
    QVERIFY(logIsWhole(log));
    // Every roll the client was told of is in the log as told.
    static const QRegularExpression record(QStringLiteral("\"record\": *\"([^\"]+)\""));
    auto told = record.globalMatch(QString::fromLatin1(heard));
    int answered = 0;
    while (told.hasNext()) {
        const WitnessedRoll roll =
            witnessrecord::decode(QByteArray::fromBase64(told.next().captured(1).toLatin1()));
        QVERIFY(roll.number <= log.size());
        QCOMPARE(log[roll.number - 1], roll);
        ++answered;
    }
    QVERIFY(answered >= 1);
    // Asked again, each kept roll comes back the same; the next is drawn after the last.
    for (const WitnessedRoll& kept : log)
        QCOMPARE(recordOf(roll(alice, 1, int(kept.number))), kept);
    const Answer next = roll(alice, 1, int(log.size()) + 1);
    QCOMPARE(next.status, 201);
    QCOMPARE(recordOf(next).previous, witnesschain::chainHash(log.back()));
}

// A client gone mid-request changes nothing; one gone before its answer loses no roll.
void TestServer::droppedClient() {
    const auto [alice, bob] = newGame();
    const QByteArray request = requestBytes("POST", path(alice.game, QStringLiteral("/rolls")),
                                            rollBody(1, 1), alice.token);
    exchange(request.left(request.size() - 10), 200);
    QVERIFY(serverLogOf(alice).empty());
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(socket.waitForConnected(2000));
        socket.write(request);
        QVERIFY(socket.waitForBytesWritten(2000));
        socket.abort();
    }
    QTRY_COMPARE(serverLogOf(alice).size(), std::size_t(1));
    const WitnessedRoll kept = serverLogOf(alice).front();
    const Answer again = roll(alice, 1, 1);
    QCOMPARE(again.status, 200);
    QCOMPARE(recordOf(again), kept);
}

// Two servers on one data folder, asked for the same rolls at once: each number is drawn
// once, chained to the one before, and every request is answered, none failed.
void TestServer::twoServersOneLog() {
    const auto [alice, bob] = newGame();
    QProcess twin;
    twin.setReadChannel(QProcess::StandardError);
    twin.start(QStringLiteral(KORVA_SERVER_PATH),
               {QStringLiteral("--data"), dataFolder(), QStringLiteral("--listen"),
                QStringLiteral("127.0.0.1:0")});
    QVERIFY(twin.waitForReadyRead(5000));
    const QByteArray said = twin.readAllStandardError();
    const quint16 twinPort =
        quint16(said.mid(said.indexOf("127.0.0.1:") + 10).split(' ').first().toUInt());
    QByteArray requests;
    for (int number = 1; number <= 30; ++number)
        requests += requestBytes("POST", path(alice.game, QStringLiteral("/rolls")),
                                 rollBody(1, number), alice.token);
    QTcpSocket one;
    QTcpSocket other;
    one.connectToHost(QHostAddress::LocalHost, port);
    other.connectToHost(QHostAddress::LocalHost, twinPort);
    QVERIFY(one.waitForConnected(2000) && other.waitForConnected(2000));
    one.write(requests);
    other.write(requests);
    QByteArray answers;
    QElapsedTimer clock;
    clock.start();
    while (answers.count("HTTP/1.1 ") < 60 && clock.elapsed() < 20000) {
        one.waitForReadyRead(20);
        other.waitForReadyRead(20);
        answers += one.readAll() + other.readAll();
    }
    twin.terminate();
    twin.waitForFinished();
    QCOMPARE(answers.count("HTTP/1.1 "), 60);
    QCOMPARE(answers.count("HTTP/1.1 500"), 0);
    const std::vector<WitnessedRoll> log = serverLogOf(alice);
    QVERIFY(logIsWhole(log));
    QCOMPARE(log.size(), std::size_t(30));
}

void TestServer::fullDisk() {
    SmallTmpfs disk(2048);
    if (!disk.isMounted())
        QSKIP(qPrintable(disk.skipReason()));
    const QString data = disk.filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkpath(data));
    for (const QString& name : {QStringLiteral("signing.key"), QStringLiteral("korva.sqlite")})
        QVERIFY(QFile::copy(QDir(dataFolder()).filePath(name), QDir(data).filePath(name)));
    QVERIFY(restartServer({}, data));
    const auto [alice, bob] = newGame();
    const QByteArray file = validTurn(alice, 1);
    QVERIFY(disk.fillLeaving(64 * 1024));
    const QJsonObject turn{
        {QStringLiteral("file"), QString::fromLatin1(file.toBase64())},
        {QStringLiteral("report"), QString::fromLatin1(QByteArray(512 * 1024, 'r').toBase64())}};
    const Answer full = call("POST", path(alice.game, QStringLiteral("/turns")), turn, alice.token);
    QCOMPARE(full.status, 507);
    QVERIFY(full.body.value(QStringLiteral("error"))
                .toString()
                .contains(QStringLiteral("disk is full")));
    QCOMPARE(turnOf(alice), 1);
    QCOMPARE(serverLogOf(alice).size(), std::size_t(1));
    QVERIFY(QFile::remove(disk.filePath(QStringLiteral("filler"))));
    QCOMPARE(call("POST", path(alice.game, QStringLiteral("/turns")), turn, alice.token).status,
             201);
    QCOMPARE(turnOf(bob), 2);
    QVERIFY(restartServer());
}

// Another process holding the database: refused as busy, never hung on; taken once free.
void TestServer::lockedDatabase() {
    QVERIFY(restartServer({QStringLiteral("--limit"), QStringLiteral("busy_timeout_ms=300")}));
    const auto [alice, bob] = newGame();
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("lock"));
        db.setDatabaseName(QDir(dataFolder()).filePath(QStringLiteral("korva.sqlite")));
        QVERIFY(db.open());
        QSqlQuery lock(db);
        QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        const Answer busy = roll(alice, 1, 1);
        QCOMPARE(busy.status, 503);
        QVERIFY(
            busy.body.value(QStringLiteral("error")).toString().contains(QStringLiteral("busy")));
        QCOMPARE(turnOf(alice), 1); // reading goes on
        QVERIFY(lock.exec(QStringLiteral("ROLLBACK")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("lock"));
    QCOMPARE(roll(alice, 1, 1).status, 201);
    QVERIFY(restartServer());
}

// Backed up while it runs, restored into a new folder: every game, turn and roll is there.
void TestServer::backupAndRestore() {
    const auto [alice, bob] = newGame();
    const QByteArray file = validTurn(alice, 2);
    // A turn without its report is taken as one with an empty report.
    QCOMPARE(call("POST", path(alice.game, QStringLiteral("/turns")),
                  {{QStringLiteral("file"), QString::fromLatin1(file.toBase64())}}, alice.token)
                 .status,
             201);
    const QJsonArray games = call("GET", QStringLiteral("/games"), {}, alice.token)
                                 .body.value(QStringLiteral("games"))
                                 .toArray();
    const std::vector<WitnessedRoll> rolls = serverLogOf(alice);
    QTemporaryDir elsewhere;
    const QString copy = elsewhere.filePath(QStringLiteral("backup.sqlite"));
    const QString korva = QStringLiteral(KORVA_SERVER_PATH);
    QCOMPARE(QProcess::execute(
                 korva, {QStringLiteral("--data"), dataFolder(), QStringLiteral("--backup"), copy}),
             0);
    // Never over a file.
    QCOMPARE(QProcess::execute(
                 korva, {QStringLiteral("--data"), dataFolder(), QStringLiteral("--backup"), copy}),
             1);
    stopServer();
    const QString restored = elsewhere.filePath(QStringLiteral("restored"));
    QVERIFY(QDir().mkpath(restored));
    QVERIFY(QFile::copy(QDir(dataFolder()).filePath(QStringLiteral("signing.key")),
                        QDir(restored).filePath(QStringLiteral("signing.key"))));
    QCOMPARE(QProcess::execute(
                 korva, {QStringLiteral("--data"), restored, QStringLiteral("--restore"), copy}),
             0);
    // Never over a database.
    QCOMPARE(QProcess::execute(
                 korva, {QStringLiteral("--data"), restored, QStringLiteral("--restore"), copy}),
             1);
    QVERIFY(startServer({}, restored));
    QCOMPARE(call("GET", QStringLiteral("/games"), {}, alice.token)
                 .body.value(QStringLiteral("games"))
                 .toArray(),
             games);
    QCOMPARE(serverLogOf(alice), rolls);
    QCOMPARE(QByteArray::fromBase64(
                 call("GET", path(alice.game, QStringLiteral("/turns/1")), {}, bob.token)
                     .body.value(QStringLiteral("file"))
                     .toString()
                     .toLatin1()),
             file);
    QVERIFY(restartServer());
}

// A database of the first schema, kept as SQL, is brought up by the migrations.
void TestServer::olderSchemaIsBroughtUp() {
    QTemporaryDir older;
    const QString data = older.filePath(QStringLiteral("data"));
    QCOMPARE(QProcess::execute(QStringLiteral(KORVA_SERVER_PATH), {QStringLiteral("--init"), data}),
             0);
    QFile script(QStringLiteral(KORVA_SERVER_TEST_DATA "/schema1.sql"));
    QVERIFY(script.open(QIODevice::ReadOnly));
    const QString database = QDir(data).filePath(QStringLiteral("korva.sqlite"));
    QVERIFY(QFile::remove(database));
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
        db.setDatabaseName(database);
        QVERIFY(db.open());
        for (const QByteArray& line : script.readAll().split('\n'))
            if (!line.startsWith("--") && !line.trimmed().isEmpty())
                QVERIFY2(QSqlQuery(db).exec(QString::fromUtf8(line)), line.constData());
    }
    QSqlDatabase::removeDatabase(QStringLiteral("old"));
    QVERIFY(restartServer({}, data));
    const Seat alice{"1.0V-cGTnKQuKPugL54HQhWzIHyzU_yQQp0LVAHH5pmNU",
                     *GameId::fromHex(QStringLiteral("0123456789abcdef0123456789abcdef"))};
    const Seat bob{"2.7qZYq0-Cxw6zJL1Snk0wvKZ6oZYxYbrPjOSRG1JX3Iw", alice.game};
    QCOMPARE(turnOf(bob), 2);
    QCOMPARE(QByteArray::fromBase64(
                 call("GET", path(alice.game, QStringLiteral("/turns/1")), {}, bob.token)
                     .body.value(QStringLiteral("file"))
                     .toString()
                     .toLatin1()),
             QByteArray("a move file of turn 1"));
    const std::vector<WitnessedRoll> log = serverLogOf(alice);
    QCOMPARE(log.size(), std::size_t(2));
    const Answer next = roll(bob, 2, 1);
    QCOMPARE(next.status, 201);
    QCOMPARE(recordOf(next).previous, witnesschain::chainHash(log.back()));
    stopServer();
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("new"));
        db.setDatabaseName(database);
        QVERIFY(db.open());
        QSqlQuery version(QStringLiteral("SELECT version FROM schema_version"), db);
        QVERIFY(version.next());
        QCOMPARE(version.value(0).toInt(), 2);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("new"));
    QVERIFY(startServer());
}

// HTTPS on the server itself, with a self-signed certificate made here.
void TestServer::https() {
    QTemporaryDir tls;
    const QString certificate = tls.filePath(QStringLiteral("cert.pem"));
    const QString key = tls.filePath(QStringLiteral("key.pem"));
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                   QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                   QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                   QStringLiteral("-days"), QStringLiteral("1"), QStringLiteral("-subj"),
                   QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
                   QStringLiteral("subjectAltName=IP:127.0.0.1"), QStringLiteral("-keyout"), key,
                   QStringLiteral("-out"), certificate});
    if (!openssl.waitForFinished() || openssl.exitCode() != 0)
        QSKIP("openssl cannot make a certificate here");
    QVERIFY(restartServer(
        {QStringLiteral("--tls-cert"), certificate, QStringLiteral("--tls-key"), key}));
    QCOMPARE(scheme, QStringLiteral("https"));
    // Trusted as the one certificate a player pinned.
    QSslConfiguration pinned = QSslConfiguration::defaultConfiguration();
    pinned.setCaCertificates(QSslCertificate::fromPath(certificate));
    QSslConfiguration::setDefaultConfiguration(pinned);
    const QByteArray token = registerPlayer(QStringLiteral("Dora"));
    QVERIFY(!token.isEmpty());
    QCOMPARE(call("GET", QStringLiteral("/games"), {}, token).status, 200);
    // Plain HTTP on that port is never answered in the clear.
    QVERIFY(!exchange("GET /key HTTP/1.1\r\nHost: x\r\n\r\n", 1000).contains("publicKey"));
    QVERIFY(restartServer());
}

// No token in the log of any server process of this run, in an answer, or taken from a URL.
void TestServer::logHoldsNoToken() {
    const QByteArray token = registerPlayer(QStringLiteral("Erin"));
    const QByteArray secret = token.mid(token.indexOf('.') + 1);
    const Answer inUrl = call("GET", QStringLiteral("/games?token=") + QString::fromLatin1(token));
    QCOMPARE(inUrl.status, 401);
    QByteArray wrong = token;
    wrong.chop(1);
    const Answer refused = call("GET", QStringLiteral("/games"), {}, wrong + "A");
    QVERIFY(!QJsonDocument(refused.body).toJson().contains(secret.left(20)));
    stopServer();
    QVERIFY(serverLog.contains(" GET /games 401 "));
    QVERIFY(tokensGiven.size() > 10);
    for (const QByteArray& given : std::as_const(tokensGiven))
        QVERIFY2(!serverLog.contains(given.mid(given.indexOf('.') + 1)), given.constData());
    QVERIFY(startServer());
}

QTEST_GUILESS_MAIN(TestServer)
#include "tst_server.moc"
