#include "geometry/hexgrid.h"
#include "movefile/korvaextension.h"
#include "movefile/movefilewriter.h"
#include "movefile/newgamefile.h"
#include "movefile/openedmovefile.h"
#include "netplay/witnesschain.h"
#include "netplay/witnessverdict.h"

#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
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

bool startServer() {
    server = new QProcess;
    server->setReadChannel(QProcess::StandardError);
    server->start(QStringLiteral(KORVA_SERVER_PATH),
                  {QStringLiteral("--data"), folder->filePath(QStringLiteral("data")),
                   QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0")});
    // The port it took is on its first line.
    QByteArray said;
    while (!said.contains('\n') && server->waitForReadyRead(5000))
        said += server->readAllStandardError();
    const qsizetype at = said.indexOf("127.0.0.1:");
    if (at < 0)
        return false;
    port = quint16(said.mid(at + 10, said.indexOf(',', at) - at - 10).toUInt());
    return port != 0;
}

void stopServer() {
    server->terminate();
    server->waitForFinished();
    delete server;
    server = nullptr;
}

Answer call(const QByteArray& method, const QString& path, const QJsonObject& body = {},
            const QByteArray& token = {}) {
    static QNetworkAccessManager network;
    QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path)));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    if (!token.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + token);
    QNetworkReply* reply = network.sendCustomRequest(
        request, method, method == "GET" ? QByteArray() : QJsonDocument(body).toJson());
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    reply->deleteLater();
    return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
            QJsonDocument::fromJson(reply->readAll()).object()};
}

QByteArray registerPlayer(const QString& name) {
    return call("POST", QStringLiteral("/players"), {{QStringLiteral("name"), name}})
        .body.value(QStringLiteral("token"))
        .toString()
        .toLatin1();
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
    init.start(QStringLiteral(KORVA_SERVER_PATH),
               {QStringLiteral("--init"), folder->filePath(QStringLiteral("data"))});
    QVERIFY(init.waitForFinished());
    QCOMPARE(init.exitCode(), 0);
    const QList<QByteArray> lines = init.readAllStandardOutput().trimmed().split('\n');
    publicKey = *witnesschain::keyOfFingerprint(QString::fromLatin1(lines.last()));
    // A second --init never replaces the key.
    init.start(QStringLiteral(KORVA_SERVER_PATH),
               {QStringLiteral("--init"), folder->filePath(QStringLiteral("data"))});
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
    QCOMPARE(upload(alice, file).status, 409); // taken once: the move is Bob's now
    QCOMPARE(roll(alice, 1, 2).status, 409);

    // One line per request, by route and player; never a token.
    const QByteArray log = server->readAllStandardError();
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

QTEST_GUILESS_MAIN(TestServer)
#include "tst_server.moc"
