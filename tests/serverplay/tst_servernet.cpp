#include "movefile/korvaextension.h"
#include "movefile/movefilewriter.h"
#include "movefile/newgamefile.h"
#include "serverplay/certificatepin.h"
#include "serverplay/outboxentry.h"
#include "serverplay/serveraddress.h"
#include "serverplay/serverclient.h"
#include "serverplay/serverwatch.h"
#include "serverplay/tokenstore.h"
#include "serverplay/uploadqueue.h"
#include "tests/common/serverprocess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSslCertificate>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The network half of play by server against the real korva-server on a loopback port: the
// push channel heard and come back to, the queue of uploads through a server that goes away,
// and the server's certificate held to the one first seen.
class TestServerNet : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void addresses_data();
    void addresses();
    void watchHearsTurnsAndComesBack();
    void queueSurvivesServerAndRestart();
    void refusedUploadStops();
    void changedCertificateRefused(); // leaves the server on https: the last

private:
    struct Game {
        explicit Game(const QString& url) : alice(url), bob(url) {}
        GameId id = GameId::generate();
        ServerClient alice, bob;
        QByteArray bobToken;
    };
    // Alice and Bob registered (Alice's token kept), a game made by her and joined by him.
    void newGame(Game& game);
    bool restart(const QStringList& extra = {});
    void stop();

    QTemporaryDir dir_;
    QProcess server_;
    QString data_;
    QString url_;
    quint16 port_ = 0;
};

namespace {

using namespace serverreplies;

template <class T> ServerResult<T> ask(const std::function<void(ServerClient::Done<T>)>& request) {
    return waitFor<T>(request);
}

// The first turn of the game, Alice's, with no combat.
QByteArray firstTurn(const GameId& id) {
    KorvaExtension block;
    block.gameId = id;
    block.turn = TurnRecord{1, Side::Second, Side::First};
    return encodeMoveFile(newGameContents()) + encodeKorvaExtension(block);
}

QString makeCertificate(const QString& folder, const QString& name) {
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                   QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                   QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                   QStringLiteral("-days"), QStringLiteral("1"), QStringLiteral("-subj"),
                   QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
                   QStringLiteral("subjectAltName=IP:127.0.0.1"), QStringLiteral("-keyout"),
                   folder + QLatin1Char('/') + name + QStringLiteral(".key"),
                   QStringLiteral("-out"),
                   folder + QLatin1Char('/') + name + QStringLiteral(".pem")});
    return openssl.waitForFinished() && openssl.exitCode() == 0 ? folder + QLatin1Char('/') + name
                                                                : QString();
}

} // namespace

void TestServerNet::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    // The tokens go to a file, as where no desktop session runs.
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qunsetenv("XDG_RUNTIME_DIR");
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
    QVERIFY(dir_.isValid());
    data_ = dir_.filePath(QStringLiteral("server"));
    QVERIFY(!serverprocess::init(QStringLiteral(KORVA_SERVER_PATH), data_).isEmpty());
    QVERIFY(restart());
}

void TestServerNet::cleanupTestCase() {
    stop();
}

bool TestServerNet::restart(const QStringList& extra) {
    stop();
    const QStringList samePort =
        port_ ? QStringList{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:%1").arg(port_)}
              : QStringList();
    const serverprocess::Listening listening =
        serverprocess::start(server_, QStringLiteral(KORVA_SERVER_PATH), data_, samePort + extra);
    port_ = listening.port;
    url_ = listening.url();
    return port_ != 0;
}

void TestServerNet::stop() {
    if (server_.state() == QProcess::NotRunning)
        return;
    server_.terminate();
    server_.waitForFinished();
}

void TestServerNet::newGame(Game& game) {
    for (ServerClient* client : {&game.alice, &game.bob}) {
        const auto made =
            ask<Registered>([&](auto done) { client->registerPlayer(QStringLiteral("P"), done); });
        QVERIFY2(made.ok(), qPrintable(made.error));
        client->setToken(made.value->token);
        if (client == &game.bob)
            game.bobToken = made.value->token;
        else
            QVERIFY(TokenStore(client->server()).keep(made.value->token).isEmpty());
    }
    const auto created = ask<ServerGame>([&](auto done) {
        game.alice.createGame(game.id, QStringLiteral("Anzio"), Side::First, TurnRecord{}, done);
    });
    QVERIFY2(created.ok(), qPrintable(created.error));
    const auto joined =
        ask<ServerGame>([&](auto done) { game.bob.join(created.value->invite, done); });
    QVERIFY2(joined.ok(), qPrintable(joined.error));
}

void TestServerNet::addresses_data() {
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("url"); // empty: refused
    QTest::newRow("loopback http") << "http://127.0.0.1:80"
                                   << "http://127.0.0.1:80";
    QTest::newRow("localhost bare") << "localhost:8080"
                                    << "http://localhost:8080";
    QTest::newRow("IPv6 loopback") << "http://[::1]:8080/"
                                   << "http://[::1]:8080";
    QTest::newRow("bare name: https") << "club.example:8443"
                                      << "https://club.example:8443";
    QTest::newRow("http elsewhere") << "http://club.example:8080"
                                    << "";
    QTest::newRow("http to a LAN address") << "http://192.168.1.5"
                                           << "";
    QTest::newRow("localhost lookalike") << "http://localhost.example.com"
                                         << "";
    QTest::newRow("no host") << "https://"
                             << "";
}

void TestServerNet::addresses() {
    QFETCH(QString, given);
    QFETCH(QString, url);
    QString why;
    QCOMPARE(serveraddress::parse(given, &why).toString(), url);
    QCOMPARE(why.isEmpty(), !url.isEmpty());
    if (given.startsWith(QLatin1String("http://")) && url.isEmpty()) {
        ServerClient client(given);
        const auto key = ask<ServerKey>([&](auto done) { client.fetchKey(done); });
        QCOMPARE(key.error, QStringLiteral("plain HTTP only to this computer; use https://"));
        ServerWatch watch(given, "token");
        QCOMPARE(watch.lastError(), key.error);
    }
}

void TestServerNet::watchHearsTurnsAndComesBack() {
    Game game(url_);
    newGame(game);
    ServerWatch watch(url_, game.bobToken);
    watch.setRetryDelays(std::chrono::milliseconds(100), std::chrono::milliseconds(400));
    int ready = 0;
    QList<std::pair<QString, int>> heard;
    connect(&watch, &ServerWatch::ready, this, [&] { ++ready; });
    connect(&watch, &ServerWatch::turnArrived, this, [&](const GameId& id, int turn) {
        heard.append({id.toHex(), turn});
    });
    watch.start();
    QTRY_COMPARE_WITH_TIMEOUT(ready, 1, 5000);

    const QByteArray file = firstTurn(game.id);
    QElapsedTimer clock;
    clock.start();
    const auto taken =
        ask<TurnTaken>([&](auto done) { game.alice.uploadTurn(game.id, file, "report", done); });
    QVERIFY2(taken.ok(), qPrintable(taken.error));
    QTRY_COMPARE_WITH_TIMEOUT(heard.size(), 1, 1000);
    QVERIFY(clock.elapsed() < 1000);
    QCOMPARE(heard.first(), std::pair(game.id.toHex(), 1));
    // The same bytes again, as after a lost answer: taken as before, told no second time.
    const auto again =
        ask<TurnTaken>([&](auto done) { game.alice.uploadTurn(game.id, file, "report", done); });
    QVERIFY2(again.ok(), qPrintable(again.error));
    QCOMPARE(again.value->turn, 1);
    QTest::qWait(300);
    QCOMPARE(heard.size(), 1);

    stop();
    QTRY_VERIFY_WITH_TIMEOUT(!watch.isConnected(), 5000);
    QVERIFY(restart());
    QTRY_COMPARE_WITH_TIMEOUT(ready, 2, 5000);
    QVERIFY(watch.isConnected());
}

// Save's upload while the server is away waits on disk, outlives the queue that took it, and
// goes once when the server is back.
void TestServerNet::queueSurvivesServerAndRestart() {
    Game game(url_);
    newGame(game);
    const QString outbox = dir_.filePath(QStringLiteral("outbox"));
    const QByteArray file = firstTurn(game.id);
    stop();
    {
        UploadQueue queue(outbox);
        queue.setRetryDelays(std::chrono::milliseconds(50), std::chrono::milliseconds(200));
        int failures = 0;
        connect(&queue, &UploadQueue::failed, this, [&] { ++failures; });
        queue.start();
        QVERIFY(
            queue.enqueue(game.alice.server(), game.id, 1, file, "report", QStringLiteral("Anzio"))
                .isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(failures >= 2, 5000); // tried again, not given up
        QVERIFY(queue.isPending(game.id));
        QVERIFY(!queue.pendingFor(game.id)->refused);
        QVERIFY2(queue.pendingFor(game.id)->lastError.contains(QStringLiteral("no Korva server")),
                 qPrintable(queue.pendingFor(game.id)->lastError));
    }
    QVERIFY(restart());
    UploadQueue queue(outbox);
    QCOMPARE(queue.pending().size(), 1);
    QCOMPARE(queue.pending().first().gameName, QStringLiteral("Anzio"));
    int delivered = 0;
    connect(&queue, &UploadQueue::delivered, this,
            [&](const GameId& id, int move) { delivered += id == game.id && move == 1; });
    queue.start();
    QTRY_COMPARE_WITH_TIMEOUT(delivered, 1, 5000);
    QVERIFY(queue.pending().isEmpty());
    QVERIFY(QDir(outbox).entryList({QStringLiteral("*.upload")}, QDir::Files).isEmpty());
    QVERIFY(UploadQueue(outbox).pending().isEmpty());
    // The server holds the one turn.
    const auto games = ask<QList<ServerGame>>([&](auto done) { game.bob.fetchGames(done); });
    QVERIFY2(games.ok(), qPrintable(games.error));
    QCOMPARE(games.value->first().turn, 2);
    const auto fetched = ask<ServerTurn>([&](auto done) { game.bob.fetchTurn(game.id, 1, done); });
    QCOMPARE(fetched.value->file, file);
}

// A refusal with a reason ends the tries; the reason outlives the queue; a damaged entry is
// set aside, never sent.
void TestServerNet::refusedUploadStops() {
    Game game(url_);
    newGame(game);
    const QString outbox = dir_.filePath(QStringLiteral("refused"));
    QVERIFY(QDir().mkpath(outbox));
    QFile damaged(outbox + QLatin1Char('/') + outboxentry::fileName(game.id, 3));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(outboxentry::encode({QUrl(url_), game.id, 3, {}, {}, "x", "y", {}, false})
                      .replace("\"move\":3", "\"move\":4"));
    damaged.close();
    {
        UploadQueue queue(outbox);
        QCOMPARE(queue.warnings().size(), 1);
        queue.setRetryDelays(std::chrono::milliseconds(50), std::chrono::milliseconds(200));
        int failures = 0;
        connect(&queue, &UploadQueue::failed, this, [&] { ++failures; });
        queue.start();
        QVERIFY(queue.enqueue(QUrl(url_), game.id, 1, "no move file", "r").isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(failures, 1, 5000);
        QTest::qWait(300);
        QCOMPARE(failures, 1);
    }
    const UploadQueue queue(outbox);
    QCOMPARE(queue.pending().size(), 1);
    QVERIFY(!queue.isPending(game.id));
    QVERIFY(queue.pendingFor(game.id)->refused);
    QVERIFY2(queue.pendingFor(game.id)->lastError.startsWith(QStringLiteral("the file is damaged")),
             qPrintable(queue.pendingFor(game.id)->lastError));
}

// A self-signed certificate is pinned at first contact; another one on the same address is
// refused, by the client and by the watch, naming both.
void TestServerNet::changedCertificateRefused() {
    const QString first = makeCertificate(dir_.path(), QStringLiteral("first"));
    const QString second = makeCertificate(dir_.path(), QStringLiteral("second"));
    if (first.isEmpty() || second.isEmpty())
        QSKIP("openssl cannot make a certificate here");
    const auto tls = [](const QString& pair) {
        return QStringList{QStringLiteral("--tls-cert"), pair + QStringLiteral(".pem"),
                           QStringLiteral("--tls-key"), pair + QStringLiteral(".key")};
    };
    QVERIFY(restart(tls(first)));
    QVERIFY(url_.startsWith(QLatin1String("https://")));
    const QString fingerprint = certificatepin::fingerprint(
        QSslCertificate::fromPath(first + QStringLiteral(".pem")).first());
    ServerClient client(url_);
    QStringList pinned;
    connect(&client, &ServerClient::certificatePinned, this,
            [&](const QString& seen) { pinned << seen; });
    for (int time = 0; time < 2; ++time) {
        const auto key = ask<ServerKey>([&](auto done) { client.fetchKey(done); });
        QVERIFY2(key.ok(), qPrintable(key.error));
    }
    QCOMPARE(pinned, QStringList{fingerprint});
    QCOMPARE(TokenStore(client.server()).pinnedCertificate(), fingerprint);

    QVERIFY(restart(tls(second)));
    ServerClient later(url_);
    const auto key = ask<ServerKey>([&](auto done) { later.fetchKey(done); });
    QVERIFY(!key.ok());
    QVERIFY2(key.error.contains(QStringLiteral("someone may stand between you and the server")) &&
                 key.error.contains(fingerprint),
             qPrintable(key.error));
    ServerWatch watch(url_, "token");
    watch.start();
    QTRY_VERIFY_WITH_TIMEOUT(watch.lastError().contains(fingerprint), 5000);
    QVERIFY(!watch.isConnected());
    QCOMPARE(TokenStore(client.server()).pinnedCertificate(), fingerprint);
}

QTEST_GUILESS_MAIN(TestServerNet)
#include "tst_servernet.moc"
