#include "counters/countermgr.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "game/savename.h"
#include "game/session.h"
#include "game/turnkeeper.h"
#include "movefile/movefile.h"
#include "tests/common/fakepicturemodule.h"
#include "tests/common/gameaccess.h"

#include <QTemporaryDir>
#include <QTest>

// Whose move it is and which turn, from file to file: the names Save proposes, and two
// players' sessions through four turns each.
class TestTurnOrder : public QObject {
    Q_OBJECT
private slots:
    void saveNames_data();
    void saveNames();
    void fourTurnsEachWay();
    void answeredFileIsMeasuredFromItself_data();
    void answeredFileIsMeasuredFromItself();
};

namespace {

constexpr Side A = Side::First;
constexpr Side X = Side::Second;

// A session of one player's, with a history of his own under `dir`.
std::unique_ptr<Session> playerSession(const QTemporaryDir& dir, const char* player) {
    return std::make_unique<Session>(
        std::make_unique<FakePictureModule>(QStringLiteral("korva_1.dll")),
        std::make_unique<FakePictureModule>(QStringLiteral("korva_2.dll")),
        dir.filePath(QString::fromLatin1(player)));
}

// Moves the top counter of the stack of counter `row` (1-based) to `to`.
void moveStackTop(Session& session, int row, int to) {
    Game& game = mutableGame(session);
    auto counter = game.counters().counters().begin();
    std::advance(counter, row - 1);
    QVERIFY(game.moveTop((*counter)->currentHex().index(), to));
}

} // namespace

void TestTurnOrder::saveNames_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("number"); // 0: the turn is unknown
    QTest::addColumn<QString>("expected");
    QTest::newRow("turn and side") << "salerno_t02_allies.krv" << 3 << "salerno_t03_axis.krv";
    QTest::newRow("a numbered copy") << "Salerno_T12_Axis_2.KRV" << 13 << "salerno_t13_axis.krv";
    QTest::newRow("a name of its own") << "turn1.krv" << 1 << "turn1_t01_axis.krv";
    // Never the very file the game came from.
    QTest::newRow("unknown turn") << "turn1.krv" << 0 << "turn1_2.krv";
    QTest::newRow("hostile name") << "/tmp/.-rm -rf $HOME;.krv" << 100
                                  << "rm_-rf_home_t100_axis.krv";
    QTest::newRow("nothing left") << "___.krv" << 1 << "korva_t01_axis.krv";
    QTest::newRow("long") << QString(60, QLatin1Char('a')) + QStringLiteral(".krv") << 1
                          << QString(40, QLatin1Char('a')) + QStringLiteral("_t01_axis.krv");
}

void TestTurnOrder::saveNames() {
    QFETCH(QString, from);
    QFETCH(int, number);
    QFETCH(QString, expected);
    const std::optional<TurnRecord> turn =
        number ? std::optional<TurnRecord>({number, X, A}) : std::nullopt;
    QCOMPARE(savename::proposedName(savename::gameNameOf(from), turn, QStringLiteral("turn1.krv")),
             expected);
}

void TestTurnOrder::fourTurnsEachWay() {
    QTemporaryDir dir;
    // Each player has a history of his own; one game is alive at a time.
    const auto session = [&](const char* player) {
        return std::make_unique<Session>(
            std::make_unique<FakePictureModule>(QStringLiteral("korva_1.dll")),
            std::make_unique<FakePictureModule>(QStringLiteral("korva_2.dll")),
            dir.filePath(QString::fromLatin1(player)));
    };
    const auto path = [&](const QString& name) { return dir.filePath(name); };
    const auto turnIn = [](const QString& file) { return readOpenedMoveFile(file).extension.turn; };
    const auto is = [](const Session& s, int number, Side toMove) {
        return s.document().turnOrder().record() == std::optional<TurnRecord>({number, toMove, A});
    };
    const PlayerNames players{QStringLiteral("Alice"), QStringLiteral("Bob")};
    QString answer; // Bob's last file
    for (int turn = 1; turn <= 4; ++turn) {
        {
            const auto alice = session("alice");
            if (turn == 1) {
                alice->newGame({A, players, QStringLiteral("Salerno")});
            } else {
                const Session::OpenOutcome opened = alice->open(answer);
                QVERIFY(opened.opened && !opened.ownFile && !opened.olderThanAnswered);
            }
            QVERIFY(is(*alice, turn, A));
            QCOMPARE(alice->document().turnOrder().players(), players);
            // Saved unfinished, the move stays; saved at the end of the turn, it goes over.
            const QString draft = path(QStringLiteral("draft%1.krv").arg(turn));
            QVERIFY(alice->save(draft, false).saved);
            QCOMPARE(turnIn(draft), std::optional<TurnRecord>({turn, A, A}));
            const QString name = alice->proposedSaveName(true);
            QCOMPARE(name,
                     QStringLiteral("salerno_t%1_axis.krv").arg(turn, 2, 10, QLatin1Char('0')));
            QVERIFY(alice->save(path(name), true).saved);
            QVERIFY(is(*alice, turn, X));
            QCOMPARE(turnIn(path(name)), std::optional<TurnRecord>({turn, X, A}));
            answer = path(name);
        }
        const auto bob = session("bob");
        QVERIFY(bob->open(answer).opened);
        QVERIFY(is(*bob, turn, X));
        QCOMPARE(bob->document().turnOrder().players(), players);
        const QString name = bob->proposedSaveName(true);
        QCOMPARE(name,
                 QStringLiteral("salerno_t%1_allies.krv").arg(turn + 1, 2, 10, QLatin1Char('0')));
        QVERIFY(bob->save(path(name), true).saved);
        QVERIFY(is(*bob, turn + 1, A));
        answer = path(name);
    }

    const auto alice = session("alice");
    QVERIFY(alice->open(answer).opened);
    QVERIFY(is(*alice, 5, A));
    // The past shows its own turn; the present comes back with the present's. The newest
    // copy is the file just opened, the present itself: the first step goes past it.
    QCOMPARE(alice->past().stepHistory(PastBrowser::HistoryStep::Previous),
             PastBrowser::StepOutcome::Shown);
    QVERIFY(is(*alice, 4, X));
    QCOMPARE(alice->past().shownIndex() + 2, alice->past().keptCount());
    QCOMPARE(alice->past().stepHistory(PastBrowser::HistoryStep::Next),
             PastBrowser::StepOutcome::BackToPresent);
    QVERIFY(is(*alice, 5, A));
    // Changed since, the present is no copy: the newest one is a step back.
    alice->document().setNote(QStringLiteral("changed"));
    QCOMPARE(alice->past().stepHistory(PastBrowser::HistoryStep::Previous),
             PastBrowser::StepOutcome::Shown);
    QCOMPARE(alice->past().shownIndex() + 1, alice->past().keptCount());
    alice->past().backToPresent();

    // An older file is what it says, and the history knows it was answered; her own file
    // is hers.
    const Session::OpenOutcome older = alice->open(path(QStringLiteral("salerno_t03_allies.krv")));
    QVERIFY(older.opened && older.olderThanAnswered && !older.ownFile);
    QVERIFY(is(*alice, 3, A));
    const Session::OpenOutcome own = alice->open(path(QStringLiteral("salerno_t04_axis.krv")));
    QVERIFY(own.ownFile && !own.olderThanAnswered && !own.otherGameUnsaved);
    // Unsaved changes replaced by a file of the same game, then by one of another.
    alice->document().setNote(alice->document().note() + QStringLiteral("!"));
    QVERIFY(!alice->open(answer).otherGameUnsaved);
    alice->newGame({X, {}, {}});
    QCOMPARE(alice->document().turnOrder().record(), std::optional<TurnRecord>({1, X, X}));
    alice->document().setNote(alice->document().note() + QStringLiteral("!"));
    QVERIFY(alice->open(answer).otherGameUnsaved);
}

void TestTurnOrder::answeredFileIsMeasuredFromItself_data() {
    QTest::addColumn<bool>("endOfTurn");
    QTest::newRow("answer sent") << true;
    QTest::newRow("answer unfinished") << false;
}

// Opened again after the player answered it, the opponent's file still shows the opponent's
// moves, not the player's own taken back, and says it was answered.
void TestTurnOrder::answeredFileIsMeasuredFromItself() {
    QFETCH(bool, endOfTurn);
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("a1.krv"));
    const QString reply = dir.filePath(QStringLiteral("b1.krv"));
    {
        const auto alice = playerSession(dir, "alice");
        alice->newGame({A, {}, QStringLiteral("g")});
        moveStackTop(*alice, 1, 1500);
        QVERIFY(alice->save(first, true).saved);
    }
    {
        const auto bob = playerSession(dir, "bob");
        QVERIFY(bob->open(first).opened);
        moveStackTop(*bob, 150, 1600);
        QVERIFY(bob->save(reply, true).saved);
    }
    const auto alice = playerSession(dir, "alice");
    const Session::OpenOutcome opened = alice->open(reply);
    QVERIFY(opened.opened && !opened.answered && !opened.olderThanAnswered);
    const TurnMoves bobs = alice->game().turn().openedMoves();
    QCOMPARE(bobs.changes.size(), std::size_t{1});
    moveStackTop(*alice, 2, 1700);
    QVERIFY(alice->save(dir.filePath(QStringLiteral("a2.krv")), endOfTurn).saved);

    const Session::OpenOutcome again = alice->open(reply);
    QVERIFY(again.opened && again.answered && !again.olderThanAnswered && !again.ownFile);
    QCOMPARE(alice->game().turn().openedMoves().changes, bobs.changes);
}

QTEST_MAIN(TestTurnOrder)
#include "tst_turnorder.moc"
