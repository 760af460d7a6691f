#include "movefile/korvaextension.h"
#include "movefile/movefilewriter.h"
#include "movefile/newgamefile.h"
#include "netplay/servergames.h"
#include "serverplay/uploadqueue.h"
#include "tests/common/serverprocess.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// korva --server URL --register, --create-game and --join, run as players run them against
// the real server over a real database, each player with a data folder of their own and no
// desktop session, so the token goes to a file.
class TestServerCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void twoPlayersRegisterCreateAndJoin();
    void refusals_data();
    void refusals();
    void gamesListedFromTheServer(); // stops the server: the last

private:
    struct Run {
        int status = -1;
        QList<QByteArray> out; // its lines
        QByteArray err;
    };
    Run korva(const QString& player, const QStringList& arguments) const;
    Run onServer(const QString& player, const QString& use, const QString& value) const {
        return korva(player, {QStringLiteral("--server"), url_, use, value});
    }
    // The file holding the player's token; empty when there is none.
    QString tokenFile(const QString& player) const;

    QTemporaryDir dir_;
    QProcess server_;
    QString url_;
    QString moveFile_;
    GameId gameId_ = GameId::generate();
};

TestServerCommands::Run TestServerCommands::korva(const QString& player,
                                                  const QStringList& arguments) const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dir_.filePath(player));
    environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KORVA_PROGRAM), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().trimmed().split('\n'), process.readAllStandardError()};
}

QString TestServerCommands::tokenFile(const QString& player) const {
    QDirIterator files(dir_.filePath(player), {QStringLiteral("*.token")}, QDir::Files,
                       QDirIterator::Subdirectories);
    return files.hasNext() ? files.next() : QString();
}

void TestServerCommands::initTestCase() {
    QVERIFY(dir_.isValid());
    const serverprocess::Listening listening = serverprocess::initAndStart(
        server_, QStringLiteral(KORVA_SERVER_PATH), dir_.filePath(QStringLiteral("server")));
    QVERIFY2(listening.port != 0, listening.said.constData());
    url_ = listening.url();

    KorvaExtension block;
    block.gameId = gameId_;
    block.gameName = QStringLiteral("Salerno");
    block.turn = TurnRecord{};
    moveFile_ = dir_.filePath(QStringLiteral("salerno.krv"));
    QFile file(moveFile_);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(encodeMoveFile(newGameContents()) + encodeKorvaExtension(block));
}

void TestServerCommands::cleanupTestCase() {
    server_.terminate();
    server_.waitForFinished();
}

void TestServerCommands::twoPlayersRegisterCreateAndJoin() {
    const Run alice =
        onServer(QStringLiteral("alice"), QStringLiteral("--register"), QStringLiteral("Alice"));
    QCOMPARE(alice.status, 0);
    // Kept where only the player may read it, and the very token printed.
    const QString kept = tokenFile(QStringLiteral("alice"));
    QVERIFY(!kept.isEmpty());
    struct stat status {};
    QCOMPARE(::stat(QFile::encodeName(kept).constData(), &status), 0);
    QCOMPARE(status.st_mode & 0777, 0600u);
    QFile file(kept);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().trimmed(), alice.out.last());

    const Run made = onServer(QStringLiteral("alice"), QStringLiteral("--create-game"), moveFile_);
    QCOMPARE(made.status, 0);
    QVERIFY(made.out.first().contains("Salerno"));
    const QString invite = QString::fromLatin1(made.out.last());
    QVERIFY(!invite.isEmpty());

    QCOMPARE(
        onServer(QStringLiteral("bob"), QStringLiteral("--register"), QStringLiteral("Bob")).status,
        0);
    const Run joined = onServer(QStringLiteral("bob"), QStringLiteral("--join"), invite);
    QCOMPARE(joined.status, 0);
    QVERIFY(joined.out.last().contains("against Alice"));
    QVERIFY(joined.out.last().contains("the Axis"));
    // Both now play it as a server game, each their side, judged by the same pinned key.
    std::optional<ServerGameEntry> games[2];
    for (const Side side : {Side::First, Side::Second}) {
        const QString player =
            side == Side::First ? QStringLiteral("alice") : QStringLiteral("bob");
        QDirIterator list(dir_.filePath(player), {QStringLiteral("games.json")}, QDir::Files,
                          QDirIterator::Subdirectories);
        QVERIFY(list.hasNext());
        std::optional<ServerGameEntry>& game = games[side == Side::First ? 0 : 1];
        game = ServerGames(list.next()).find(gameId_);
        QVERIFY(game);
        QCOMPARE(game->side, side);
        QCOMPARE(game->publicKey.size(), 32);
    }
    QCOMPARE(games[0]->publicKey, games[1]->publicKey);
}

void TestServerCommands::refusals_data() {
    QTest::addColumn<QString>("player");
    QTest::addColumn<QString>("use");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("server"); // empty for the running one
    QTest::addColumn<QByteArray>("reason");
    QTest::newRow("an unknown code")
        << "carol"
        << "--join"
        << "NO-SUCH-CODE" << QString() << QByteArray("no game waits for this invite code");
    QTest::newRow("a wrong token")
        << "forger"
        << "--create-game" << QString() << QString() << QByteArray("a valid token is needed");
    QTest::newRow("the server's key changed")
        << "rekeyed"
        << "--join"
        << "ABCD" << QString() << QByteArray("server's key is not the one");
    QTest::newRow("the server's key changed, at create")
        << "rekeyed"
        << "--create-game" << QString() << QString() << QByteArray("server's key is not the one");
    QTest::newRow("a file of no game yet") << "carol"
                                           << "--create-game"
                                           << "bare" << QString() << QByteArray("names no game");
    QTest::newRow("no token") << "nobody"
                              << "--join"
                              << "ABCD" << QString() << QByteArray("register first");
    QTest::newRow("registered already")
        << "carol"
        << "--register"
        << "Carol" << QString() << QByteArray("registered on this server already");
    QTest::newRow("a server that is down") << "dave"
                                           << "--register"
                                           << "Dave"
                                           << "down" << QByteArray("no Korva server answers at");
    QTest::newRow("no address") << "dave"
                                << "--register"
                                << "Dave"
                                << "ftp://example.org" << QByteArray("http://HOST:PORT");
}

void TestServerCommands::refusals() {
    QFETCH(QString, player);
    QFETCH(QString, use);
    QFETCH(QString, value);
    QFETCH(QString, server);
    QFETCH(QByteArray, reason);
    for (const char* registered : {"carol", "forger", "rekeyed"})
        if (player == QLatin1String(registered) && tokenFile(player).isEmpty())
            QCOMPARE(onServer(player, QStringLiteral("--register"), player).status, 0);
    if (player == QLatin1String("forger")) {
        QFile token(tokenFile(player));
        QVERIFY(token.open(QIODevice::WriteOnly));
        token.write("1.forged\n");
    }
    if (player == QLatin1String("rekeyed")) {
        QFile pinned(tokenFile(player).replace(QStringLiteral(".token"), QStringLiteral(".key")));
        QVERIFY(pinned.open(QIODevice::WriteOnly));
        pinned.write(QByteArray(64, '0') + '\n');
    }
    if (server == QLatin1String("down")) {
        // A port that was free a moment ago: nothing listens there.
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        server = QStringLiteral("http://127.0.0.1:%1").arg(probe.serverPort());
    }
    if (value.isEmpty())
        value = moveFile_;
    if (value == QLatin1String("bare")) {
        // As --new-game writes it: the first save gives the game its id.
        value = dir_.filePath(QStringLiteral("bare.krv"));
        QFile bare(value);
        QVERIFY(bare.open(QIODevice::WriteOnly));
        bare.write(encodeMoveFile(newGameContents()));
    }
    const Run run =
        korva(player, {QStringLiteral("--server"), server.isEmpty() ? url_ : server, use, value});
    QVERIFY(run.status != 0);
    QVERIFY2(run.err.contains(reason), run.err.constData());
    QVERIFY(!run.err.contains('\n') || run.err.indexOf('\n') == run.err.size() - 1);
}

void TestServerCommands::gamesListedFromTheServer() {
    // The game Alice made and Bob joined, as each of them sees it; every name quoted.
    const QByteArray heading = "On the server " + url_.toUtf8() + ':';
    // Alice saved her turn; the server has not taken it yet.
    UploadQueue aliceQueue(QFileInfo(tokenFile(QStringLiteral("alice"))).path() +
                           QStringLiteral("/outbox"));
    QVERIFY(aliceQueue.enqueue(QUrl(url_), gameId_, 1, "turn", "report", QStringLiteral("Salerno"))
                .isEmpty());
    const struct {
        const char* player;
        QByteArray row;
    } seen[] = {
        {"alice", "\"Salerno\" | you: Allies · opponent: \"Bob\" (Axis) | Move 1 · Allies to "
                  "move | your move | not yet delivered"},
        {"bob", "\"Salerno\" | you: Axis · opponent: \"Alice\" (Allies) | Move 1 · Allies to "
                "move | waiting for \"Alice\""},
    };
    for (const auto& [player, row] : seen) {
        const Run games = korva(QString::fromLatin1(player), {QStringLiteral("--games")});
        QCOMPARE(games.status, 0);
        QCOMPARE(games.out, (QList<QByteArray>{"No games in the history yet.", heading, row}));
    }

    server_.terminate();
    QVERIFY(server_.waitForFinished());
    const Run down = korva(QStringLiteral("alice"), {QStringLiteral("--games")});
    QCOMPARE(down.status, 0);
    QCOMPARE(down.out.size(), 3);
    QCOMPARE(down.out.last(), "\"Salerno\" | Move 1 | not yet delivered");
    QVERIFY2(down.out[1].startsWith("The games on " + url_.toUtf8() +
                                    " could not be listed: no Korva server answers"),
             down.out[1].constData());
}

QTEST_GUILESS_MAIN(TestServerCommands)
#include "tst_servercommands.moc"
