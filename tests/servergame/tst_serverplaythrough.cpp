#include "counters/movereport.h"
#include "game/game.h"
#include "game/session.h"
#include "game/turndice.h"
#include "game/turnkeeper.h"
#include "movefile/openedmovefile.h"
#include "servergame/serverlogcheck.h"
#include "servergame/serverroller.h"
#include "servergame/turnfetcher.h"
#include "servergame/turnsender.h"
#include "serverplay/serverclient.h"
#include "serverplay/uploadqueue.h"
#include "tests/common/fakepicturemodule.h"
#include "tests/common/serverprocess.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace serverreplies;

// Two players play five moves with combats through their sessions and the real server, as the
// window plays them: each die asked of the server, each ended move queued and delivered, then
// fetched, opened and judged by the other player against the server's log. One game is open
// at a time in a process, so each player's Korva starts afresh for each move, from their
// history, as after a restart.
class TestServerPlaythrough : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void fiveMovesEveryRollWitnessed();

private:
    // What a player keeps between their Korva's runs.
    struct Player {
        Player(const QString& home, const QString& server);
        std::unique_ptr<Session> session() const;
        QString folder;
        ServerClient client;
        UploadQueue queue;
        TurnFetcher fetcher;
    };
    // The move fetched from the server and opened, its verdict judged with the server's log.
    static QString openedVerdict(Player& player, Session& session, const GameId& game, int move);

    QTemporaryDir dir_;
    QProcess server_;
    QString url_;
};

TestServerPlaythrough::Player::Player(const QString& home, const QString& server)
    : folder(home), client(server), queue(home + QStringLiteral("/outbox")),
      fetcher(home + QStringLiteral("/turns")) {
    queue.setTokenFor([this](const QUrl&) { return std::optional<QByteArray>(client.token()); });
    queue.setRetryDelays(std::chrono::milliseconds(50), std::chrono::milliseconds(200));
    queue.start();
}

std::unique_ptr<Session> TestServerPlaythrough::Player::session() const {
    auto session = std::make_unique<Session>(
        std::make_unique<FakePictureModule>(QStringLiteral("korva_1.dll")),
        std::make_unique<FakePictureModule>(QStringLiteral("korva_2.dll")),
        folder + QStringLiteral("/history"));
    session->serverDice().setRegistry(ServerGames(folder + QStringLiteral("/games.json")));
    return session;
}

QString TestServerPlaythrough::openedVerdict(Player& player, Session& session, const GameId& game,
                                             int move) {
    QString fetched;
    player.fetcher.fetch(player.client, game, move,
                         [&](const QString& path, const QString&) { fetched = path; });
    if (!QTest::qWaitFor([&] { return !fetched.isEmpty(); }))
        return QStringLiteral("not fetched");
    if (QFileInfo(reportFileName(fetched)).size() == 0)
        return QStringLiteral("no report came with it");
    ServerLogCheck check(session, [&](const QUrl&) { return &player.client; });
    QSignalSpy checked(&check, &ServerLogCheck::checked);
    if (!session.open(fetched).opened || !checked.wait())
        return QStringLiteral("not opened or not checked");
    return session.dice().openedVerdict()->text();
}

void TestServerPlaythrough::initTestCase() {
    QVERIFY(dir_.isValid());
    const serverprocess::Listening listening = serverprocess::initAndStart(
        server_, QStringLiteral(KORVA_SERVER_PATH), dir_.filePath(QStringLiteral("server")));
    QVERIFY2(listening.port != 0, listening.said.constData());
    url_ = listening.url();
}

void TestServerPlaythrough::cleanupTestCase() {
    server_.terminate();
    server_.waitForFinished();
}

void TestServerPlaythrough::fiveMovesEveryRollWitnessed() {
    Player alice(dir_.filePath(QStringLiteral("alice")), url_);
    Player bob(dir_.filePath(QStringLiteral("bob")), url_);
    for (Player* player : {&alice, &bob}) {
        const QString name = player == &alice ? QStringLiteral("Alice") : QStringLiteral("Bob");
        const ServerResult<Registered> made = waitFor<Registered>(
            [&](auto done) { player->client.registerPlayer(name, std::move(done)); });
        QVERIFY2(made.ok(), qPrintable(made.error));
        player->client.setToken(made.value->token);
    }
    const ServerResult<ServerKey> key =
        waitFor<ServerKey>([&](auto done) { alice.client.fetchKey(std::move(done)); });
    QVERIFY(key.ok());

    // Alice's new game made a server game, Bob joined; each keeps it with the server's key.
    std::unique_ptr<Session> session = alice.session();
    session->newGame();
    const QString setup = alice.folder + QStringLiteral("/setup.krv");
    QVERIFY(session->save(setup, false).saved);
    const GameId game = *session->game().turn().gameId();
    const TurnRecord turn = *readOpenedMoveFile(setup).extension.turn;
    const ServerResult<ServerGame> made = waitFor<ServerGame>([&](auto done) {
        alice.client.createGame(game, QStringLiteral("Salerno"), turn.toMove, turn,
                                std::move(done));
    });
    QVERIFY2(made.ok(), qPrintable(made.error));
    const ServerResult<ServerGame> joined = waitFor<ServerGame>(
        [&](auto done) { bob.client.join(made.value->invite, std::move(done)); });
    QVERIFY2(joined.ok(), qPrintable(joined.error));
    for (Player* player : {&alice, &bob}) {
        const Side side = player == &alice ? made.value->side : joined.value->side;
        QCOMPARE(ServerGames(player->folder + QStringLiteral("/games.json"))
                     .add({game, QUrl(url_), side, key.value->publicKey}),
                 QString());
    }
    session->serverDice().setRegistry(ServerGames(alice.folder + QStringLiteral("/games.json")));
    QVERIFY(session->serverDice().isServerGame());

    Player* mover = &alice;
    Player* other = &bob;
    for (int move = 1; move <= 5; ++move) {
        if (move > 1) {
            session = mover->session();
            QCOMPARE(openedVerdict(*mover, *session, game, move - 1),
                     QStringLiteral("all 2 rolls witnessed by the server"));
        }
        for (int combat = 0; combat < 2; ++combat) {
            const int hex = 200 + 37 * move + combat;
            const std::string comment =
                "move " + std::to_string(move) + " combat " + std::to_string(combat);
            int die = 0;
            QString error;
            ServerRoller(*session, mover->client)
                .roll(hex, comment, [&](int face, const QString& why) {
                    die = face;
                    error = why.isEmpty() ? QStringLiteral("-") : why;
                });
            QTRY_VERIFY(!error.isEmpty());
            QVERIFY2(die >= 1 && die <= 6, qPrintable(error));
            session->addCombat(hex, die, comment);
        }
        TurnSender sender(*session, mover->queue);
        QSignalSpy delivered(&mover->queue, &UploadQueue::delivered);
        QVERIFY(session->save(mover->folder + QStringLiteral("/move%1.krv").arg(move), true).saved);
        QTRY_COMPARE(delivered.count(), 1);
        QCOMPARE(delivered.first().at(1).toInt(), move);
        session.reset();
        std::swap(mover, other);
    }
    session = mover->session();
    QCOMPARE(openedVerdict(*mover, *session, game, 5),
             QStringLiteral("all 2 rolls witnessed by the server"));
}

QTEST_GUILESS_MAIN(TestServerPlaythrough)
#include "tst_serverplaythrough.moc"
