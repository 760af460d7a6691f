#include "combat/taggermgr.h"
#include "counters/countermgr.h"
#include "dice/dicedraw.h"
#include "game/game.h"
#include "game/session.h"
#include "game/turndice.h"
#include "game/turnkeeper.h"
#include "geometry/hexgrid.h"
#include "history/dicestore.h"
#include "history/gamedicelog.h"
#include "movefile/movefile.h"
#include "tests/common/fakepicturemodule.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// Two players, each with a history of their own, exchanging files through the session as
// the window does: every honest way of playing a turn verifies every roll, and each way of
// cheating shows with words of its own.
class TestDiceGame : public QObject {
    Q_OBJECT
private slots:
    void honestGameEveryRollVerified();
    void everyPath_data();
    void everyPath();
    void anotherGamesIdIsKeptApart();
    void aFileIsATurnOfTheGameItFollows_data();
    void aFileIsATurnOfTheGameItFollows();
    void theLogCountsOnlyRollsOfCombats();
    void aLedgerPastTheLimitIsNotTaken();
};

namespace {

std::unique_ptr<Session> sessionOf(const QString& history) {
    return std::make_unique<Session>(
        std::make_unique<FakePictureModule>(QStringLiteral("korva_1.dll")),
        std::make_unique<FakePictureModule>(QStringLiteral("korva_2.dll")), history);
}

// Combats `from` to `from + count - 1`, two at a hex now and then, as players roll them.
void roll(Session& session, int count, int from = 0) {
    for (int c = from; c < from + count; ++c) {
        const int hex = 300 + c / 2 * 70;
        const std::string comment = "attack " + std::to_string(c);
        session.addCombat(hex, session.rollDie(hex, hex % 6, comment), comment);
    }
}

std::unique_ptr<Session> opened(const QString& history, const QString& file) {
    auto session = sessionOf(history);
    const Session::OpenOutcome outcome = session->open(file);
    if (!outcome.opened)
        qFatal("%s", qPrintable(outcome.error));
    return session;
}

// One turn: open `from` (a new game when empty), roll, save `to`. Answers the verdict on the
// opened file, and whether this turn's dice were fixed.
struct Turn {
    QString verdict;
    bool fixed = false;
};
Turn play(const QString& history, const QString& from, const QString& to, int combats,
          const QString& copy = {}) {
    auto session = from.isEmpty() ? sessionOf(history) : opened(history, from);
    if (from.isEmpty())
        session->newGame();
    Turn turn;
    if (!from.isEmpty())
        turn.verdict = session->dice().openedVerdict()->text();
    // Every turn moves: where a turn begins tells its game.
    const int at = session->game().counters().counters().front()->currentHex().index();
    if (!session->document().moveTop(at, at == 800 ? 801 : 800))
        qFatal("no move");
    turn.fixed = session->dice().fixed();
    roll(*session, combats);
    if (!session->save(to, true).saved || (!copy.isEmpty() && !session->save(copy, false).saved))
        qFatal("no save");
    return turn;
}

// The checking player's verdict on a file, and the combats it shows.
std::pair<QString, std::size_t> check(const QString& history, const QString& file) {
    const auto session = sessionOf(history);
    if (!session->open(file).opened)
        return {QStringLiteral("refused"), 0};
    return {session->dice().openedVerdict()->text(), session->game().tags().openedCount()};
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A file rewritten as a cheat would: its sections and block changed by `change`; the block
// left out when `change` empties it.
void rewrite(const QString& path,
             const std::function<void(MoveFileContents&, KorvaExtension&)>& change) {
    OpenedMoveFile file = parseOpenedMoveFile(readAll(path));
    change(file.contents, file.extension);
    writeAll(path, encodeMoveFile(file.contents) + encodeKorvaExtension(file.extension));
}

// The die roll `number` of a per-combat record would have at `hex`.
int drawnAt(const DiceRolls& record, std::uint32_t number, int hex) {
    return dicedraw::drawDieForCombat(record.secret, record.openedHash, number, hex);
}

// Moves roll `i` of the file, tag and record agreeing, to a hex where its die is not the
// one drawn there (a cheat that changes nothing is none).
void moveRoll(MoveFileContents& contents, KorvaExtension& block, std::size_t i) {
    DiceRoll& roll = block.diceRolls->rolls[i];
    for (int hex = 1000;; ++hex) {
        if (drawnAt(*block.diceRolls, roll.number, hex) != roll.die) {
            roll.position = contents.tags[i].position = hexgrid::hexPosition(hex);
            roll.comment = contents.tags[i].comment = "a better attack";
            return;
        }
    }
}

} // namespace

void TestDiceGame::honestGameEveryRollVerified() {
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a")), b = dir.filePath(QStringLiteral("b"));
    const auto file = [&](int n) { return dir.filePath(QStringLiteral("t%1.krv").arg(n)); };
    play(a, {}, file(0), 0);
    // The first turn of each player has nothing to draw from; they roll freely and say so.
    QVERIFY(!play(b, file(0), file(1), 2).fixed);
    const Turn second = play(a, file(1), file(2), 4);
    QVERIFY(second.verdict.startsWith(QStringLiteral("rolls not verifiable (the first turn")));
    QVERIFY(second.fixed);
    for (int n = 3; n <= 11; ++n) {
        const Turn turn = play(n % 2 ? b : a, file(n - 1), file(n), n % 3 + 2);
        QVERIFY(turn.fixed);
        QCOMPARE(turn.verdict, QStringLiteral("all %1 rolls verified").arg((n - 1) % 3 + 2));
    }
    QCOMPARE(check(a, file(11)).first, QStringLiteral("all 4 rolls verified"));
    // The game's dice as A's history holds them: both players' rolls, each once, B's
    // verified but for the first turn's, which had nothing to draw from.
    const GameDiceLog log =
        gameDiceLog(GameHistory(a), *parseOpenedMoveFile(readAll(file(0))).extension.gameId);
    int mine = 0, theirs = 0, verified = 0;
    for (const GameRoll& roll : log.rolls) {
        (roll.mine ? mine : theirs) += 1;
        verified += roll.verdict && roll.verdict->verified();
        QVERIFY(roll.turn && roll.hex >= 0);
    }
    QCOMPARE(mine, 4 + 3 + 2 + 4 + 3);       // turns 2, 4, ..., 10
    QCOMPARE(theirs, 2 + 2 + 4 + 3 + 2 + 4); // turns 1, 3, ..., 11
    QCOMPARE(verified, theirs - 2);
    QCOMPARE(log.theirsVerified.total(), verified);
    QCOMPARE(log.theirsUnverified.total(), 2);
    QCOMPARE(log.mine.total() + log.theirs.total(), int(log.rolls.size()));
    // A player opening their own file finds nothing of the opponent's to check.
    QCOMPARE(check(a, file(10)).first,
             QStringLiteral("rolls not verifiable (it is a file you saved yourself)"));
}

void TestDiceGame::everyPath_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("verdict"); // a wildcard pattern
    const QString withheld =
        QStringLiteral("the rolls were withheld: they committed to this "
                       "turn's dice in \u201C\u2068a2.krv\u2069\u201D and did not "
                       "reveal them");
    const QString otherFile = QStringLiteral("the rolls do not match (they were rolled against "
                                             "another file than the one you sent)");
    // Honest: every roll verified, every combat carried.
    for (const char* path : {"end of turn", "a No save, quit, opened again", "killed after a roll",
                             "a second answer to one file", "a copy of one's own sent file"})
        QTest::newRow(path) << path << "all 3 rolls verified";
    // Cheats: each with its own words.
    QTest::newRow("changed die") << "die"
                                 << "roll 1 does not match";
    QTest::newRow("record withheld") << "withhold" << withheld;
    QTest::newRow("block removed") << "unblock" << withheld;
    QTest::newRow("claims a first turn")
        << "first"
        << withheld + QStringLiteral(" (their file says: the first turn: there was no "
                                     "secret to draw them from)");
    QTest::newRow("rolls swapped between combats") << "swap"
                                                   << "roll ? does not match";
    QTest::newRow("roll moved to another hex") << "move"
                                               << "roll ? does not match";
    QTest::newRow("swapped secret") << "secret"
                                    << "the rolls do not match (the secret revealed is not the "
                                       "one their earlier file committed)";
    QTest::newRow("an older file answered again") << "reuse" << otherFile;
    QTest::newRow("opened file changed by one byte") << "byte" << otherFile;
    QTest::newRow("a roll deleted from the file") << "delete"
                                                  << "roll 2 is missing, 3 rolls were made";
}

void TestDiceGame::everyPath() {
    QFETCH(QString, path);
    QFETCH(QString, verdict);
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a")), b = dir.filePath(QStringLiteral("b"));
    const auto file = [&](const char* name) { return dir.filePath(QLatin1String(name)); };
    play(a, {}, file("a0.krv"), 0);
    play(b, file("a0.krv"), file("b1.krv"), 1);
    // A cheat that kept the dice file of before a2's save still holds the secret of a0.
    const QString diceFile =
        DiceStore(GameHistory(a), *parseOpenedMoveFile(readAll(file("a0.krv"))).extension.gameId)
            .path();
    const QByteArray keptBeforeA2 = readAll(diceFile);
    play(a, file("b1.krv"), file("a2.krv"), 2);
    play(b, file("a2.krv"), file("b3.krv"), 2,
         path == QLatin1String("a copy of one's own sent file") ? file("b3 copy.krv") : QString());

    // A's turn on b3.
    const QString a4 = file("a4.krv");
    if (path == QLatin1String("a No save, quit, opened again")) {
        {
            const auto session = opened(a, file("b3.krv"));
            roll(*session, 1);
            QVERIFY(session->save(file("a4 unfinished.krv"), false).saved);
        }
        const auto session = opened(a, file("a4 unfinished.krv"));
        QCOMPARE(session->game().tags().ownCount(), std::size_t{1}); // still the player's
        roll(*session, 2, 1);
        QVERIFY(session->save(a4, true).saved);
    } else if (path == QLatin1String("killed after a roll") ||
               path == QLatin1String("a second answer to one file")) {
        const bool killed = path == QLatin1String("killed after a roll");
        if (killed)
            roll(*opened(a, file("b3.krv")), 1); // ... and the program dies unsaved
        else
            play(a, file("b3.krv"), file("a4 first answer.krv"), 2);
        auto session = sessionOf(a);
        const Session::OpenOutcome outcome = session->open(file("b3.krv"));
        QCOMPARE(outcome.recoveredRolls, killed ? 1 : 2);
        QVERIFY(session->document().isModified());
        roll(*session, killed ? 2 : 1, 5);
        QVERIFY(session->save(a4, true).saved);
    } else if (path == QLatin1String("reuse")) {
        writeAll(diceFile, keptBeforeA2);
        play(a, file("b1.krv"), a4, 3);
    } else if (path == QLatin1String("byte")) {
        QFile::copy(file("b3.krv"), file("b3x.krv"));
        rewrite(file("b3x.krv"),
                [](MoveFileContents& c, KorvaExtension&) { c.banners[2][0] ^= 1; });
        play(a, file("b3x.krv"), a4, 3);
    } else {
        QVERIFY(play(a, file("b3.krv"), a4, 3).fixed);
    }

    // The cheats on the file sent.
    rewrite(a4, [&](MoveFileContents& c, KorvaExtension& e) {
        if (path == QLatin1String("die")) {
            for (std::size_t i = 0; i < c.tags.size(); ++i)
                if (e.diceRolls->rolls[i].number == 1)
                    c.tags[i].dieValue = e.diceRolls->rolls[i].die = c.tags[i].dieValue % 6 + 1;
        } else if (path == QLatin1String("withhold")) {
            e.diceRolls.reset();
        } else if (path == QLatin1String("unblock")) {
            e = {};
        } else if (path == QLatin1String("first")) {
            e.diceRolls->free = DiceRolls::FirstTurn;
        } else if (path == QLatin1String("swap")) {
            // Two combats at different hexes trade their rolls, tag and record agreeing.
            DiceRolls& r = *e.diceRolls;
            std::swap(r.rolls[0].die, r.rolls[2].die);
            std::swap(c.tags[0].dieValue, c.tags[2].dieValue);
            if (r.rolls[0].die == r.rolls[2].die) // the same die: moving one is the cheat
                moveRoll(c, e, 0);
        } else if (path == QLatin1String("move")) {
            moveRoll(c, e, 0);
        } else if (path == QLatin1String("secret")) {
            e.diceRolls->secret = dicedraw::newSecret();
        } else if (path == QLatin1String("delete")) {
            for (std::size_t i = 0; i < c.tags.size(); ++i)
                if (e.diceRolls->rolls[i].number == 2) {
                    e.diceRolls->rolls.erase(e.diceRolls->rolls.begin() + qsizetype(i));
                    c.tags.erase(c.tags.begin() + qsizetype(i));
                    break;
                }
        }
    });
    const auto [text, combats] = check(b, a4);
    QVERIFY2(QRegularExpression::fromWildcard(verdict, Qt::CaseSensitive,
                                              QRegularExpression::UnanchoredWildcardConversion)
                     .match(text)
                     .hasMatch() &&
                 text.size() == verdict.size(),
             qPrintable(text));
    if (verdict.startsWith(QStringLiteral("all")))
        QCOMPARE(combats, std::size_t{3}); // no combat lost on the way
}

void TestDiceGame::anotherGamesIdIsKeptApart() {
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a")), b = dir.filePath(QStringLiteral("b"));
    const QString m = dir.filePath(QStringLiteral("m"));
    const auto file = [&](const char* name) { return dir.filePath(QLatin1String(name)); };
    play(a, {}, file("a0.krv"), 0);
    play(b, file("a0.krv"), file("b1.krv"), 1);
    play(a, file("b1.krv"), file("a2.krv"), 2);
    play(b, file("a2.krv"), file("b3.krv"), 2);
    // An intruder's file of a game of their own, carrying the id of A's game with B.
    play(m, {}, file("m0.krv"), 0);
    play(m, file("m0.krv"), file("m1.krv"), 0);
    const GameId id = *parseOpenedMoveFile(readAll(file("a0.krv"))).extension.gameId;
    rewrite(file("m1.krv"), [&](MoveFileContents& c, KorvaExtension& e) {
        e.gameId = id;
        c.counters[0].currentHex = c.counters[0].startHex = e.turnStart->at(0).hex = 700;
    });
    const QString diceFile = DiceStore(GameHistory(a), id).path();
    const QByteArray storeBefore = readAll(diceFile);
    {
        auto session = sessionOf(a);
        const Session::OpenOutcome outcome = session->open(file("m1.krv"));
        QVERIFY(outcome.opened && outcome.claimsOtherGame);
        QVERIFY(!session->dice().fixed());
        roll(*session, 2);
        QVERIFY(session->save(file("a-answer to m.krv"), true).saved);
        session->waitForHistory();
        // A game of its own, never the one it claimed.
        QVERIFY(session->game().turn().gameId() != id);
    }
    QCOMPARE(readAll(diceFile), storeBefore);
    // The real game goes on untouched: B's file is answered with the kept secret and B
    // verifies every roll.
    const Turn turn = play(a, file("b3.krv"), file("a4.krv"), 3);
    QVERIFY(turn.fixed);
    QCOMPARE(turn.verdict, QStringLiteral("all 2 rolls verified"));
    QCOMPARE(check(b, file("a4.krv")).first, QStringLiteral("all 3 rolls verified"));
}

void TestDiceGame::aFileIsATurnOfTheGameItFollows_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("verdict");
    const QString withheld =
        QStringLiteral("the rolls were withheld: they committed to this "
                       "turn's dice in \u201C\u2068a2.krv\u2069\u201D and did not "
                       "reveal them");
    // Stripped of what binds it, sent from a folder the game never saw.
    QTest::newRow("block removed") << "unblock"
                                   << "elsewhere" << withheld;
    QTest::newRow("block of a later version") << "version"
                                              << "elsewhere" << withheld;
    QTest::newRow("a first turn under a new id")
        << "new id"
        << "elsewhere"
        << withheld + QStringLiteral(" (their file says: the first turn: there was no "
                                     "secret to draw them from)");
    // Another game's file beside the game's files is none of the game's.
    QTest::newRow("another game's file in the game's folder")
        << "stranger"
        << "."
        << "rolls not verifiable (the file carries no dice record)";
}

void TestDiceGame::aFileIsATurnOfTheGameItFollows() {
    QFETCH(QString, change);
    QFETCH(QString, where);
    QFETCH(QString, verdict);
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a")), b = dir.filePath(QStringLiteral("b"));
    const auto file = [&](const char* name) { return dir.filePath(QLatin1String(name)); };
    play(a, {}, file("a0.krv"), 0);
    play(b, file("a0.krv"), file("b1.krv"), 1);
    play(a, file("b1.krv"), file("a2.krv"), 2);
    play(b, file("a2.krv"), file("b3.krv"), 2);
    play(a, file("b3.krv"), file("a4.krv"), 3);
    const GameId game = *parseOpenedMoveFile(readAll(file("a0.krv"))).extension.gameId;
    QVERIFY(QDir(dir.path()).mkpath(where));
    const QString sent = dir.filePath(where + QStringLiteral("/t4.krv"));
    QVERIFY(QFile::copy(file("a4.krv"), sent));
    rewrite(sent, [&](MoveFileContents& c, KorvaExtension& e) {
        if (change == QLatin1String("new id")) {
            e.gameId = GameId::generate();
            e.diceRolls->free = DiceRolls::FirstTurn;
            e.diceRolls->secret.clear();
            e.diceRolls->openedHash.clear();
            return;
        }
        e = {};
        if (change == QLatin1String("stranger")) // a turn of a game of its own
            c.counters[1].startHex = c.counters[1].currentHex = 900;
    });
    if (change == QLatin1String("version")) {
        QByteArray bytes = readAll(sent) + encodeKorvaExtension(KorvaExtension{});
        bytes[bytes.lastIndexOf("KORVAEXT") + 8] = 2;
        writeAll(sent, bytes);
    }
    const std::size_t keptBefore = GameHistory(b).entries(GameHistory::gameKey(game, {})).size();
    const auto session = sessionOf(b);
    QVERIFY(session->open(sent).opened);
    QCOMPARE(session->dice().openedVerdict()->text(), verdict);
    session->waitForHistory();
    // Filed into the game only when it is one of its turns.
    const bool ofTheGame = change != QLatin1String("stranger") && change != QLatin1String("new id");
    QCOMPARE(GameHistory(b).entries(GameHistory::gameKey(game, {})).size(),
             keptBefore + (ofTheGame ? 1 : 0));
}

// A record may list rolls no combat of its turn shows: thirty sixes that never happened
// change nothing in the game's statistics, and are said to be left out.
void TestDiceGame::theLogCountsOnlyRollsOfCombats() {
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a")), b = dir.filePath(QStringLiteral("b"));
    const auto file = [&](const char* name) { return dir.filePath(QLatin1String(name)); };
    play(a, {}, file("a0.krv"), 0);
    play(b, file("a0.krv"), file("b1.krv"), 2);
    rewrite(file("b1.krv"), [](MoveFileContents&, KorvaExtension& e) {
        for (int i = 0; i < 30; ++i)
            e.diceRolls->rolls.push_back({++e.diceRolls->made, {140, 19}, 6, "never"});
    });
    play(a, file("b1.krv"), file("a2.krv"), 0);
    const GameDiceLog log =
        gameDiceLog(GameHistory(a), *parseOpenedMoveFile(readAll(file("a0.krv"))).extension.gameId);
    QCOMPARE(log.theirs.total(), 2);
    QCOMPARE(log.rolls.size(), std::size_t{2});
    QCOMPARE(log.leftOut, std::size_t{30});
}

// A ledger holding a roll at the most a file can list would make every save of the turn fail:
// Open does not take it, says so, and the turn is saved and verified as ever.
void TestDiceGame::aLedgerPastTheLimitIsNotTaken() {
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a")), b = dir.filePath(QStringLiteral("b"));
    const auto file = [&](const char* name) { return dir.filePath(QLatin1String(name)); };
    play(a, {}, file("a0.krv"), 0);
    play(b, file("a0.krv"), file("b1.krv"), 1);
    play(a, file("b1.krv"), file("a2.krv"), 2);
    play(b, file("a2.krv"), file("b3.krv"), 2);
    const KorvaExtension sent = parseOpenedMoveFile(readAll(file("a2.krv"))).extension;
    QString error;
    QVERIFY(DiceStore(GameHistory(a), *sent.gameId)
                .recordRoll({*sent.diceCommitment,
                             dicedraw::sha256(readAll(file("b3.krv"))),
                             dicerecord::kMaxRolls,
                             3,
                             300,
                             {}},
                            &error));
    {
        const auto session = sessionOf(a);
        QSignalSpy warnings(session.get(), &Session::historyWarning);
        QVERIFY(session->open(file("b3.krv")).opened);
        QCOMPARE(warnings.size(), 1);
        QVERIFY(
            warnings[0][0].toString().contains(QStringLiteral("more than a move file can list")));
        roll(*session, 2);
        QVERIFY(session->save(file("a4.krv"), true).saved);
    }
    QCOMPARE(check(b, file("a4.krv")).first, QStringLiteral("all 2 rolls verified"));
}

QTEST_GUILESS_MAIN(TestDiceGame)
#include "tst_dicegame.moc"
