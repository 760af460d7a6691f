#include "geometry/hexgrid.h"
#include "movefile/korvaextension.h"
#include "movefile/movefilewriter.h"
#include "movefile/newgamefile.h"
#include "serverplay/serverclient.h"
#include "tests/common/serverprocess.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

// The client against the real server on a loopback port, each route once as a game goes;
// and against a peer that is no Korva server, whose answers are refused, never trusted.
class TestServerClient : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void aTurnThroughTheServer();
    void hostilePeer_data();
    void hostilePeer();

private:
    QTemporaryDir dir_;
    QProcess server_;
    QString url_;
    QString fingerprint_;
};

namespace {

using namespace serverreplies;

template <class T> ServerResult<T> ask(const std::function<void(ServerClient::Done<T>)>& request) {
    return waitFor<T>(request);
}

} // namespace

void TestServerClient::initTestCase() {
    QVERIFY(dir_.isValid());
    const QString data = dir_.filePath(QStringLiteral("server"));
    fingerprint_ = serverprocess::init(QStringLiteral(KORVA_SERVER_PATH), data);
    QVERIFY(!fingerprint_.isEmpty());
    const serverprocess::Listening listening =
        serverprocess::start(server_, QStringLiteral(KORVA_SERVER_PATH), data);
    QVERIFY2(listening.port != 0, listening.said.constData());
    url_ = listening.url();
}

void TestServerClient::cleanupTestCase() {
    server_.terminate();
    server_.waitForFinished();
}

void TestServerClient::aTurnThroughTheServer() {
    ServerClient alice(url_);
    ServerClient bob(url_);
    const auto key = ask<ServerKey>([&](auto done) { alice.fetchKey(done); });
    QVERIFY2(key.ok(), qPrintable(key.error));
    QCOMPARE(key.value->fingerprint, fingerprint_);
    for (const auto& player : {std::pair{&alice, "Alice"}, std::pair{&bob, "Bob"}}) {
        ServerClient* client = player.first;
        const QString name = QString::fromLatin1(player.second);
        const auto made = ask<Registered>([&](auto done) { client->registerPlayer(name, done); });
        QVERIFY2(made.ok(), qPrintable(made.error));
        client->setToken(made.value->token);
    }

    const GameId id = GameId::generate();
    const auto created = ask<ServerGame>([&](auto done) {
        alice.createGame(id, QStringLiteral("Anzio"), Side::First, TurnRecord{}, done);
    });
    QVERIFY2(created.ok(), qPrintable(created.error));
    QCOMPARE(created.value->game, id);
    const auto joined = ask<ServerGame>([&](auto done) { bob.join(created.value->invite, done); });
    QVERIFY2(joined.ok(), qPrintable(joined.error));
    QCOMPARE(joined.value->side, Side::Second);

    // The server's reason, as it gave it, for a roll out of turn.
    const int hex = hexgrid::hexIndexOf(5, 7);
    const auto outOfTurn =
        ask<ServerRoll>([&](auto done) { bob.askRoll(id, 1, 1, hex, "attack", done); });
    QVERIFY(!outOfTurn.ok());
    QCOMPARE(outOfTurn.status, 409);
    QVERIFY2(outOfTurn.error.contains(QStringLiteral("move")), qPrintable(outOfTurn.error));
    const auto rolled =
        ask<ServerRoll>([&](auto done) { alice.askRoll(id, 1, 1, hex, "attack", done); });
    QVERIFY2(rolled.ok(), qPrintable(rolled.error));
    const auto again =
        ask<ServerRoll>([&](auto done) { alice.askRoll(id, 1, 1, hex, "attack", done); });
    QCOMPARE(again.value->record, rolled.value->record);

    MoveFileContents contents = newGameContents();
    contents.tags = {{hexgrid::hexPosition(hex), std::int32_t(rolled.value->die), "attack"}};
    KorvaExtension block;
    block.gameId = id;
    block.turn = TurnRecord{1, Side::Second, Side::First};
    block.witnessedRolls = std::vector{witnessrecord::decode(rolled.value->record)};
    const QByteArray file = encodeMoveFile(contents) + encodeKorvaExtension(block);
    const auto taken =
        ask<TurnTaken>([&](auto done) { alice.uploadTurn(id, file, "report", done); });
    QVERIFY2(taken.ok(), qPrintable(taken.error));
    QCOMPARE(taken.value->turn, 1);

    const auto fetched = ask<ServerTurn>([&](auto done) { bob.fetchTurn(id, 1, done); });
    QVERIFY2(fetched.ok(), qPrintable(fetched.error));
    QCOMPARE(fetched.value->file, file);
    QCOMPARE(fetched.value->report, QByteArray("report"));
    const auto games = ask<QList<ServerGame>>([&](auto done) { bob.fetchGames(done); });
    QVERIFY2(games.ok(), qPrintable(games.error));
    QCOMPARE(games.value->size(), 1);
    QVERIFY(games.value->first().yourMove);
    QCOMPARE(games.value->first().turn, 2);
}

void TestServerClient::hostilePeer_data() {
    QTest::addColumn<QByteArray>("answer"); // what the peer sends; empty: nothing at all
    QTest::addColumn<QString>("error");
    const QByteArray huge(ServerClient::kMaxAnswerBytes + 1024, 'x');
    QTest::newRow("silent") << QByteArray() << "did not answer";
    QTest::newRow("too large") << "HTTP/1.1 200 OK\r\nContent-Length: " +
                                      QByteArray::number(huge.size()) + "\r\n\r\n" + huge
                               << "too large";
    QTest::newRow("no JSON") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello")
                             << "not one Korva can read";
    QTest::newRow("a reason over lines")
        << QByteArray("HTTP/1.1 409 Conflict\r\nContent-Length: 31\r\n\r\n"
                      R"({"error":"not\nyours\u001b[2J"})")
        << "not yours [2J";
}

void TestServerClient::hostilePeer() {
    QFETCH(QByteArray, answer);
    QFETCH(QString, error);
    QTcpServer peer;
    QVERIFY(peer.listen(QHostAddress::LocalHost));
    connect(&peer, &QTcpServer::newConnection, &peer, [&] {
        QTcpSocket* socket = peer.nextPendingConnection();
        connect(socket, &QTcpSocket::readyRead, socket, [socket, answer] {
            socket->readAll();
            socket->write(answer);
        });
    });
    ServerClient client(QStringLiteral("127.0.0.1:%1").arg(peer.serverPort()));
    client.setTimeout(500);
    const auto key = ask<ServerKey>([&](auto done) { client.fetchKey(done); });
    QVERIFY(!key.ok());
    QVERIFY2(key.error.contains(error), qPrintable(key.error));
}

QTEST_GUILESS_MAIN(TestServerClient)
#include "tst_serverclient.moc"
