#include "combat/taggermgr.h"
#include "game/game.h"
#include "game/gamefile.h"
#include "game/session.h"
#include "game/turndice.h"
#include "game/turnkeeper.h"
#include "movefile/movefile.h"
#include "netplay/witnesschain.h"
#include "tests/common/fakepicturemodule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sodium.h>

#include <functional>
#include <stdexcept>

// A game played through a Korva server, through the session as the window plays it: the dice
// asked and taken, saved and opened by the opponent, and every way round the server's dice
// that the opponent's file side can see, each named by its verdict. The server here is a few
// lines that sign as the real one does; the real server's own checks have tests of their own.
class TestServerGame : public QObject {
    Q_OBJECT
private slots:
    void init();
    void verdicts_data();
    void verdicts();
    void noLocalDieInAServerGame();
    void aWrongRecordIsNotTaken();
    void ownSaveGoesOnAndKeepsTheSections();
    void rollsLostInACrashComeBack();

private:
    struct Key {
        QByteArray publicKey = QByteArray(crypto_sign_PUBLICKEYBYTES, '\0');
        QByteArray secretKey = QByteArray(crypto_sign_SECRETKEYBYTES, '\0');
        Key() {
            if (sodium_init() < 0)
                qFatal("no libsodium");
            crypto_sign_keypair(reinterpret_cast<unsigned char*>(publicKey.data()),
                                reinterpret_cast<unsigned char*>(secretKey.data()));
        }
    };
    // Draws and signs as a server: each record chained on the log's last.
    QByteArray serve(const ServerDice::WitnessAsk& ask, const Key& key);
    std::unique_ptr<Session> sessionOf(const QString& who);
    // Player A's new game, kept as a server game by both players; A's session at move 1.
    std::unique_ptr<Session> startGame();
    // Rolls `count` combats through the server; each combat is closed with another comment
    // than the one asked, which the server's record keeps.
    void rollThroughServer(Session& session, int count);
    QString path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
    Key server_;
    Key impostor_;
    std::vector<WitnessedRoll> log_;
};

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void rewrite(const QString& path,
             const std::function<void(MoveFileContents&, KorvaExtension&)>& change) {
    OpenedMoveFile file = parseOpenedMoveFile(readAll(path));
    change(file.contents, file.extension);
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(encodeMoveFile(file.contents) + encodeKorvaExtension(file.extension));
}

} // namespace

void TestServerGame::init() {
    log_.clear();
    for (const QString& name :
         QDir(dir_.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
        QVERIFY(QFileInfo(path(name)).isDir() ? QDir(path(name)).removeRecursively()
                                              : QFile::remove(path(name)));
}

QByteArray TestServerGame::serve(const ServerDice::WitnessAsk& ask, const Key& key) {
    WitnessedRoll roll;
    roll.game = ask.game.bytes();
    roll.turn = std::uint32_t(ask.turn);
    roll.number = std::uint32_t(ask.number);
    roll.hex = ask.hex;
    roll.commentHash = witnesschain::commentHash(ask.comment.toStdString());
    roll.die = std::uint32_t((ask.number * 5 + ask.hex) % 6 + 1);
    roll.timeMs = 1'760'000'000'000 + ask.number;
    if (!log_.empty())
        roll.previous = witnesschain::chainHash(log_.back());
    witnesschain::sign(roll, key.secretKey);
    log_.push_back(roll);
    return witnessrecord::encode(roll);
}

std::unique_ptr<Session> TestServerGame::sessionOf(const QString& who) {
    auto session = std::make_unique<Session>(
        std::make_unique<FakePictureModule>(QStringLiteral("korva_1.dll")),
        std::make_unique<FakePictureModule>(QStringLiteral("korva_2.dll")), path(who));
    session->serverDice().setRegistry(ServerGames(path(who + QStringLiteral("-games.json"))));
    return session;
}

std::unique_ptr<Session> TestServerGame::startGame() {
    auto session = sessionOf(QStringLiteral("a"));
    session->newGame();
    if (!session->save(path(QStringLiteral("setup.krv")), false).saved)
        qFatal("no save");
    const GameId game = *session->game().turn().gameId();
    const QUrl server(QStringLiteral("http://127.0.0.1:9"));
    for (const char* who : {"a", "b"})
        if (!ServerGames(path(QLatin1String(who) + QStringLiteral("-games.json")))
                 .add({game, server, Side::First, server_.publicKey})
                 .isEmpty())
            qFatal("not kept");
    return session;
}

void TestServerGame::rollThroughServer(Session& session, int count) {
    for (int c = 0; c < count; ++c) {
        const int hex = 300 + c / 2 * 70; // two at a hex now and then
        const std::optional<ServerDice::WitnessAsk> ask =
            session.serverDice().nextWitnessAsk(hex, "attack " + std::to_string(c));
        QVERIFY(ask);
        const ServerDice::WitnessTaken taken =
            session.serverDice().takeWitnessedRoll(*ask, serve(*ask, server_));
        QVERIFY2(taken.error.isEmpty(), qPrintable(taken.error));
        session.addCombat(hex, taken.die, "changed after the roll");
    }
}

void TestServerGame::verdicts_data() {
    using Change = std::function<void(MoveFileContents&, KorvaExtension&)>;
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("withLog");
    QTest::addColumn<bool>("opponentKnowsGame");
    QTest::addColumn<QString>("verdict");
    const Change none = [](MoveFileContents&, KorvaExtension&) {};
    const QString differs = QStringLiteral("roll %1 does not match the server's record (%2)");
    const QString notShown = QStringLiteral("the combat is not the one the server witnessed");
    QTest::newRow("clean") << none << true << true
                           << QStringLiteral("all 3 rolls witnessed by the server");
    QTest::newRow("die changed") << Change([](MoveFileContents& c, KorvaExtension&) {
        c.tags[1].dieValue = c.tags[1].dieValue % 6 + 1;
    }) << false << true << differs.arg(2).arg(notShown);
    QTest::newRow("last roll left out, seen with the server's log")
        << Change([](MoveFileContents& c, KorvaExtension& b) {
               c.tags.pop_back();
               b.witnessedRolls->pop_back();
           })
        << true << true
        << QStringLiteral("roll 3 was rolled on the server but is not in this file");
    QTest::newRow("a roll left out")
        << Change([](MoveFileContents& c, KorvaExtension& b) {
               c.tags.erase(c.tags.begin());
               b.witnessedRolls->erase(b.witnessedRolls->begin());
           })
        << false << true
        << QStringLiteral("roll 1 was rolled on the server but is not in this file");
    QTest::newRow("renumbered") << Change([](MoveFileContents& c, KorvaExtension& b) {
        std::swap(c.tags[0], c.tags[2]);
        std::swap((*b.witnessedRolls)[0], (*b.witnessedRolls)[2]);
    }) << false << true
                                << QStringLiteral(
                                       "roll 1 was rolled on the server but is not in this file");
    QTest::newRow("moved to another hex") << Change([](MoveFileContents& c, KorvaExtension&) {
        c.tags[0].position = c.tags[2].position;
    }) << false << true << differs.arg(1).arg(notShown);
    QTest::newRow("local dice")
        << Change([](MoveFileContents&, KorvaExtension& b) {
               b.diceRolls = DiceRolls{DiceRolls::FirstTurn, {}, {}, 3, {}};
           })
        << false << true
        << QStringLiteral("the rolls do not match the server's records (its dice were rolled on a "
                          "player's computer)");
    QTest::newRow("not the opponent's server game")
        << none << false << false
        << QStringLiteral("rolls not verifiable (its rolls were witnessed by a Korva server, but "
                          "this is not a game you play through a server, so no key of its server "
                          "is at hand)");
}

void TestServerGame::verdicts() {
    using Change = std::function<void(MoveFileContents&, KorvaExtension&)>;
    QFETCH(Change, change);
    QFETCH(bool, withLog);
    QFETCH(bool, opponentKnowsGame);
    QFETCH(QString, verdict);
    {
        auto a = startGame();
        rollThroughServer(*a, 3);
        QVERIFY(a->save(path(QStringLiteral("a1.krv")), true).saved);
    }
    rewrite(path(QStringLiteral("a1.krv")), change);
    if (!opponentKnowsGame)
        QVERIFY(QFile::remove(path(QStringLiteral("b-games.json"))));
    auto b = sessionOf(QStringLiteral("b"));
    QVERIFY(b->open(path(QStringLiteral("a1.krv"))).opened);
    if (withLog)
        b->serverDice().checkWithServerLog(log_);
    QCOMPARE(b->dice().openedVerdict()->text(), verdict);
    const AFPoint first =
        parseOpenedMoveFile(readAll(path(QStringLiteral("a1.krv")))).contents.tags[0].position;
    if (QTest::currentDataTag() == QByteArrayLiteral("clean"))
        QCOMPARE(TurnDice::markText(b->dice().openedMark(first, 0)),
                 QStringLiteral("roll 1, witnessed"));
}

void TestServerGame::noLocalDieInAServerGame() {
    auto a = startGame();
    QVERIFY_THROWS_EXCEPTION(std::logic_error, a->rollDie(300, 0, "attack"));
    QCOMPARE(a->dice().rollsMade(), 0u);
    QVERIFY(a->game().tags().ownRecords().empty());
}

void TestServerGame::aWrongRecordIsNotTaken() {
    auto a = startGame();
    const ServerDice::WitnessAsk ask = *a->serverDice().nextWitnessAsk(300, "attack");
    ServerDice::WitnessAsk otherHex = ask;
    otherHex.hex = 301;
    ServerDice::WitnessAsk otherComment = ask;
    otherComment.comment = "a better attack";
    ServerDice::WitnessAsk later = ask;
    later.number = 2;
    const struct {
        const char* what;
        QByteArray record;
    } wrong[] = {
        {"another key", serve(ask, impostor_)},
        {"another hex", serve(otherHex, server_)},
        {"another comment", serve(otherComment, server_)},
        {"not the next number", serve(later, server_)},
        {"damaged", QByteArray(10, 'x')},
    };
    for (const auto& [what, record] : wrong) {
        const ServerDice::WitnessTaken taken = a->serverDice().takeWitnessedRoll(ask, record);
        QVERIFY2(!taken.error.isEmpty() && taken.die == 0, what);
    }
    QCOMPARE(a->dice().rollsMade(), 0u);
    QCOMPARE(a->serverDice().nextWitnessAsk(300, "attack")->number, 1);
}

void TestServerGame::ownSaveGoesOnAndKeepsTheSections() {
    auto a = startGame();
    rollThroughServer(*a, 2);
    const QString part = path(QStringLiteral("a1-part.krv"));
    QVERIFY(a->save(part, false).saved);
    const QByteArray saved = readAll(part);
    // The three sections are what any save writes; the server's records go in Korva's block.
    QVERIFY(saved.startsWith(gamefile::moveFile(a->game(), false)));
    const OpenedMoveFile file = parseOpenedMoveFile(saved);
    QCOMPARE(file.extension.witnessedRolls, std::optional(log_));
    QVERIFY(!file.extension.diceRolls && !file.extension.diceCommitment);
    a.reset();

    auto again = sessionOf(QStringLiteral("a"));
    QVERIFY(again->open(part).opened);
    QCOMPARE(again->serverDice().nextWitnessAsk(500, "on")->number, 3);
    rollThroughServer(*again, 1);
    QVERIFY(again->save(path(QStringLiteral("a1.krv")), true).saved);
    again.reset(); // one game at a time
    auto b = sessionOf(QStringLiteral("b"));
    QVERIFY(b->open(path(QStringLiteral("a1.krv"))).opened);
    QCOMPARE(b->dice().openedVerdict()->text(),
             QStringLiteral("all 3 rolls witnessed by the server"));
}

void TestServerGame::rollsLostInACrashComeBack() {
    {
        auto a = startGame();
        rollThroughServer(*a, 3);
    } // gone without a save
    auto a = sessionOf(QStringLiteral("a"));
    QVERIFY(a->open(path(QStringLiteral("setup.krv"))).opened);
    QCOMPARE(a->serverDice().recoverWitnessed(log_), 3);
    QCOMPARE(a->serverDice().recoverWitnessed(log_), 0);
    QCOMPARE(a->game().tags().ownRecords().size(), 3u);
    QVERIFY(a->save(path(QStringLiteral("a1.krv")), true).saved);
    a.reset();
    auto b = sessionOf(QStringLiteral("b"));
    QVERIFY(b->open(path(QStringLiteral("a1.krv"))).opened);
    QCOMPARE(b->dice().openedVerdict()->text(),
             QStringLiteral("all 3 rolls witnessed by the server"));
}

QTEST_GUILESS_MAIN(TestServerGame)
#include "tst_servergame.moc"
