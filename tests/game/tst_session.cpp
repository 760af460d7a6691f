#include "board/mapboard.h"
#include "combat/dierandom.h"
#include "combat/dietrace.h"
#include "counters/countermgr.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "game/gamefile.h"
#include "game/session.h"
#include "game/turnkeeper.h"
#include "geometry/hexgrid.h"
#include "tests/common/fakepicturemodule.h"
#include "tests/common/gameaccess.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using TextChange = std::function<void(Document&)>;
Q_DECLARE_METATYPE(TextChange)

// The session without a window: every edit taken back and put back exactly, the roll as the
// line no undo crosses, and Open, Save and New game telling the window what changed, once,
// only when something did.
class TestSession : public QObject {
    Q_OBJECT
private slots:
    void everyEditUndoneExactly_data();
    void everyEditUndoneExactly();
    void aRollIsTheLineNoUndoCrosses();
    void openSaveAndNewGameTellOnce();
    void everyTextChangeIsAStep_data();
    void everyTextChangeIsAStep();
    void theTraceRollsOnTheSessionsDie();
};

namespace {

std::unique_ptr<Session> makeSession(const QString& history = {}) {
    return std::make_unique<Session>(
        std::make_unique<FakePictureModule>(QStringLiteral("korva_1.dll")),
        std::make_unique<FakePictureModule>(QStringLiteral("korva_2.dll")), history);
}

} // namespace

// What a player could see or save of a position: the saved file's sections and every stack's
// order, top last.
QByteArray position(const Session& session) {
    QByteArray seen = gamefile::moveFile(session.game(), false);
    for (int hex = 0; hex < hexgrid::kHexCount; ++hex)
        for (const Counter* counter : session.game().board().hex(hex).stack())
            seen += QByteArray::number(hex) + ':' + QByteArray::number(qintptr(counter)) + ' ';
    return seen;
}

void TestSession::everyEditUndoneExactly_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("text");
    for (const char* edit : {"move", "move all", "turn over", "flip", "tag", "return"})
        QTest::newRow(edit) << edit << "";
}

void TestSession::everyEditUndoneExactly() {
    QFETCH(QString, edit);
    QTemporaryDir dir;
    const auto session = makeSession();
    Game& game = mutableGame(*session);
    // Three counters at 700 (one of them brought from 650), one at 701, one with losses.
    auto counter = game.counters().counters().begin();
    for (const CounterRecord& record :
         {CounterRecord{700, 700, 0, 0}, CounterRecord{650, 700, 1, 0},
          CounterRecord{700, 700, 0, 2}, CounterRecord{701, 701, 0, 0}})
        (*counter++)->setState(record);
    game.restack();
    const QByteArray before = position(*session);
    bool done = false;
    if (edit == QLatin1String("move"))
        done = session->document().moveTop(700, 701);
    else if (edit == QLatin1String("move all"))
        done = session->document().moveAll(700, 701);
    else if (edit == QLatin1String("turn over"))
        done = session->document().rotateStack(700);
    else if (edit == QLatin1String("flip"))
        done = session->document().flip(700);
    else if (edit == QLatin1String("tag"))
        done = session->document().tag(700);
    else
        done = session->document().rotateStack(700) && session->document().returnToStart(700) &&
               session->document().returnToStart(
                   650); // a counter in its start hex: one step all the same
    QVERIFY(done);
    const QByteArray after = position(*session);
    QVERIFY(after != before);
    QVERIFY(session->document().isModified());
    while (session->document().edits().canUndo())
        QCOMPARE(session->document().edits().undo(), EditStack::UndoOutcome::Undone);
    QCOMPARE(position(*session), before);
    QVERIFY(!session->document().isModified()); // back where the turn began
    while (session->document().edits().redo()) {
    }
    QCOMPARE(position(*session), after);
    QVERIFY(session->document().isModified());
}

void TestSession::aRollIsTheLineNoUndoCrosses() {
    QTemporaryDir dir;
    const auto session = makeSession(dir.filePath(QStringLiteral("history")));
    session->newGame();
    Game& game = mutableGame(*session);
    const int hex = game.counters().counters().front()->currentHex().index();
    QVERIFY(session->document().moveTop(hex, 700));
    QVERIFY(session->document().flip(700));
    session->addCombat(700, session->rollDie(700, 1, "attack"), "attack");
    const QByteArray rolled = position(*session);
    QSignalSpy stands(&session->document().edits(), &EditStack::rollStands);
    QVERIFY(session->document().edits().canUndo() && session->document().edits().atRollLine());
    QCOMPARE(session->document().edits().undo(), EditStack::UndoOutcome::RollStands);
    // A click in the list of edits below the roll comes back to it, changing nothing.
    session->document().edits().goTo(0);
    QCOMPARE(session->document().edits().stack().index(),
             session->document().edits().stack().count());
    QCOMPARE(stands.size(), 2);
    QCOMPARE(position(*session), rolled);
    // A move made after the roll is undone as any, and the turn stays unsaved: it rolled.
    QVERIFY(session->document().moveTop(700, 701));
    QCOMPARE(session->document().edits().undo(), EditStack::UndoOutcome::Undone);
    QCOMPARE(position(*session), rolled);
    QVERIFY(session->document().isModified());
    // Saved unfinished, the edits stay (the roll line too); a new turn starts afresh.
    const QString file = dir.filePath(QStringLiteral("t.krv"));
    QVERIFY(session->save(file, false).saved);
    QVERIFY(!session->document().isModified() && session->document().edits().canRedo());
    QVERIFY(session->document().edits().redo());
    QVERIFY(session->document().isModified());
    QVERIFY(session->save(file, true).saved);
    QVERIFY(!session->document().edits().canUndo() && !session->document().edits().canRedo());
}

void TestSession::openSaveAndNewGameTellOnce() {
    QTemporaryDir dir;
    const auto session = makeSession(dir.filePath(QStringLiteral("history")));
    QSignalSpy replaced(session.get(), &Session::positionReplaced);
    session->newGame();
    QCOMPARE(replaced.size(), 1);
    session->document().setNote(QStringLiteral("x"));
    const QString file = dir.filePath(QStringLiteral("t1.krv"));
    QVERIFY(session->save(file, false).saved);
    QCOMPARE(session->fileName(), file);
    QVERIFY(!session->document().isModified());
    QCOMPARE(replaced.size(), 1); // a save replaces nothing

    // A refused file changes nothing and tells nothing.
    const QString broken = dir.filePath(QStringLiteral("broken.krv"));
    QFile(broken).open(QIODevice::WriteOnly);
    session->document().setNote(QStringLiteral("y"));
    const Session::OpenOutcome refused = session->open(broken);
    QVERIFY(!refused.opened && !refused.error.isEmpty());
    QVERIFY(session->document().isModified());
    QCOMPARE(session->fileName(), file);
    QCOMPARE(replaced.size(), 1);

    QVERIFY(session->open(file).opened);
    QCOMPARE(replaced.size(), 2);
    QCOMPARE(replaced.last().at(0).value<Session::Change>(), Session::Change::Opened);
    QVERIFY(!session->document().isModified());
    // The file is kept once, and is the present: no step shows it again. Changed since, the
    // present is no copy; the copy shows read-only and the present comes back.
    QCOMPARE(session->past().stepHistory(PastBrowser::HistoryStep::First),
             PastBrowser::StepOutcome::Unchanged);
    QVERIFY(!session->showsPast());
    session->document().setNote(QStringLiteral("changed"));
    QCOMPARE(session->past().stepHistory(PastBrowser::HistoryStep::First),
             PastBrowser::StepOutcome::Shown);
    QVERIFY(session->showsPast() && !session->save(file, false).saved);
    session->past().backToPresent();
    QCOMPARE(replaced.last().at(0).value<Session::Change>(), Session::Change::Present);
}

void TestSession::everyTextChangeIsAStep_data() {
    QTest::addColumn<TextChange>("change");
    // A name change alone is a change of the turn: the next save writes it.
    QTest::newRow("game name") << TextChange(
        [](Document& d) { d.setGameName(QStringLiteral("Anzio")); });
    QTest::newRow("note") << TextChange([](Document& d) { d.setNote(QStringLiteral("Hold")); });
    QTest::newRow("players and turn") << TextChange([](Document& d) {
        d.setTurnOrder(TurnOrder(TurnRecord{4, Side::Second, Side::First}, {}));
    });
    // Typing on in one box stays one step.
    QTest::newRow("banner") << TextChange([](Document& d) {
        d.setBanner(1, "A");
        d.setBanner(1, "An");
    });
}

void TestSession::everyTextChangeIsAStep() {
    QFETCH(TextChange, change);
    const auto session = makeSession();
    session->newGame({Side::First, {}, QStringLiteral("salerno")});
    Document& document = session->document();
    const auto written = [&] {
        const Game& game = session->game();
        return position(*session) + game.turn().gameName().toUtf8() + game.turn().note().toUtf8() +
               document.gameName().toUtf8() +
               QByteArray::number(document.turnOrder().record()->number);
    };
    const QByteArray before = written();
    QSignalSpy modified(&document.edits(), &EditStack::modifiedChanged);
    change(document);
    const QByteArray after = written();
    QVERIFY(after != before);
    QVERIFY(document.isModified());
    QCOMPARE(document.edits().stack().count(), 1);
    QCOMPARE(document.edits().undo(), EditStack::UndoOutcome::Undone);
    QCOMPARE(written(), before);
    QVERIFY(!document.isModified());
    QVERIFY(document.edits().redo());
    QCOMPARE(written(), after);
    QCOMPARE(modified.size(), 3);
    // The same text again is no change.
    change(document);
    QCOMPARE(document.edits().stack().count(), 1);
}

void TestSession::theTraceRollsOnTheSessionsDie() {
    QTemporaryDir dir;
    setTracePath(dir.filePath(QStringLiteral("trace.txt")));
    const auto session = std::make_unique<Session>(
        std::make_unique<FakePictureModule>(QStringLiteral("korva_1.dll")),
        std::make_unique<FakePictureModule>(QStringLiteral("korva_2.dll")), QString(), 31337);
    session->newGame();
    session->traceDieRolls();
    setTracePath(QStringLiteral("trace.txt"));
    DieRandom alone(31337);
    DieRollCounts counts;
    rollForTrace(alone, counts, 60000);
    QCOMPARE(session->rollDie(700, 3, "after the trace"), rollDie(alone, 6, 0, 3));
}

QTEST_MAIN(TestSession)
#include "tst_session.moc"
