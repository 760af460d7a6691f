#include "board/mapboard.h"
#include "counters/countermgr.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "game/session.h"
#include "geometry/hexgrid.h"
#include "tests/common/fakepicturemodule.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

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
    QByteArray seen = session.game().moveFile(false);
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
    Game& game = session->game();
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
        done = session->moveTop(700, 701);
    else if (edit == QLatin1String("move all"))
        done = session->moveAll(700, 701);
    else if (edit == QLatin1String("turn over"))
        done = session->rotateStack(700);
    else if (edit == QLatin1String("flip"))
        done = session->flip(700);
    else if (edit == QLatin1String("tag"))
        done = session->tag(700);
    else
        done = session->rotateStack(700) && session->returnToStart(700) &&
               session->returnToStart(650); // a counter in its start hex: one step all the same
    QVERIFY(done);
    const QByteArray after = position(*session);
    QVERIFY(after != before);
    QVERIFY(session->isModified());
    while (session->canUndo())
        QCOMPARE(session->undo(), Session::UndoOutcome::Undone);
    QCOMPARE(position(*session), before);
    QVERIFY(!session->isModified()); // back where the turn began
    while (session->redo()) {
    }
    QCOMPARE(position(*session), after);
    QVERIFY(session->isModified());
}

void TestSession::aRollIsTheLineNoUndoCrosses() {
    QTemporaryDir dir;
    const auto session = makeSession(dir.filePath(QStringLiteral("history")));
    session->newGame();
    Game& game = session->game();
    const int hex = game.counters().counters().front()->currentHex().index();
    QVERIFY(session->moveTop(hex, 700));
    QVERIFY(session->flip(700));
    session->addCombat(700, session->rollDie(700, 1, "attack"), "attack");
    const QByteArray rolled = position(*session);
    QSignalSpy stands(session.get(), &Session::rollStands);
    QVERIFY(session->canUndo() && session->atRollLine());
    QCOMPARE(session->undo(), Session::UndoOutcome::RollStands);
    // A click in the list of edits below the roll comes back to it, changing nothing.
    session->undoStack().setIndex(0);
    QCOMPARE(session->undoStack().index(), session->undoStack().count());
    QCOMPARE(stands.size(), 2);
    QCOMPARE(position(*session), rolled);
    // A move made after the roll is undone as any, and the turn stays unsaved: it rolled.
    QVERIFY(session->moveTop(700, 701));
    QCOMPARE(session->undo(), Session::UndoOutcome::Undone);
    QCOMPARE(position(*session), rolled);
    QVERIFY(session->isModified());
    // Saved unfinished, the edits stay (the roll line too); a new turn starts afresh.
    const QString file = dir.filePath(QStringLiteral("t.krv"));
    QVERIFY(session->save(file, false).saved);
    QVERIFY(!session->isModified() && session->canRedo());
    QVERIFY(session->redo());
    QVERIFY(session->isModified());
    QVERIFY(session->save(file, true).saved);
    QVERIFY(!session->canUndo() && !session->canRedo());
}

void TestSession::openSaveAndNewGameTellOnce() {
    QTemporaryDir dir;
    const auto session = makeSession(dir.filePath(QStringLiteral("history")));
    QSignalSpy replaced(session.get(), &Session::positionReplaced);
    session->newGame();
    QCOMPARE(replaced.size(), 1);
    session->setNote(QStringLiteral("x"));
    const QString file = dir.filePath(QStringLiteral("t1.krv"));
    QVERIFY(session->save(file, false).saved);
    QCOMPARE(session->fileName(), file);
    QVERIFY(!session->isModified());
    QCOMPARE(replaced.size(), 1); // a save replaces nothing

    // A refused file changes nothing and tells nothing.
    const QString broken = dir.filePath(QStringLiteral("broken.krv"));
    QFile(broken).open(QIODevice::WriteOnly);
    session->setNote(QStringLiteral("y"));
    const Session::OpenOutcome refused = session->open(broken);
    QVERIFY(!refused.opened && !refused.error.isEmpty());
    QVERIFY(session->isModified());
    QCOMPARE(session->fileName(), file);
    QCOMPARE(replaced.size(), 1);

    QVERIFY(session->open(file).opened);
    QCOMPARE(replaced.size(), 2);
    QCOMPARE(replaced.last().at(0).value<Session::Change>(), Session::Change::Opened);
    QVERIFY(!session->isModified());
    // The file is kept once, and is the present: no step shows it again. Changed since, the
    // present is no copy; the copy shows read-only and the present comes back.
    QCOMPARE(session->stepHistory(Session::HistoryStep::First), Session::StepOutcome::Unchanged);
    QVERIFY(!session->showsPast());
    session->setNote(QStringLiteral("changed"));
    QCOMPARE(session->stepHistory(Session::HistoryStep::First), Session::StepOutcome::Shown);
    QVERIFY(session->showsPast() && !session->save(file, false).saved);
    session->backToPresent();
    QCOMPARE(replaced.last().at(0).value<Session::Change>(), Session::Change::Present);
}

QTEST_MAIN(TestSession)
#include "tst_session.moc"
