#include "counters/countermgr.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "game/session.h"
#include "tests/common/fakepicturemodule.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The session without a window: the undo record as the buttons see it, and Open, Save and
// New game telling the window what changed, once, only when something did.
class TestSession : public QObject {
    Q_OBJECT
private slots:
    void undoRecordFollowsTheCommands();
    void openSaveAndNewGameTellOnce();
};

namespace {

std::unique_ptr<Session> makeSession(const QString& history = {}) {
    return std::make_unique<Session>(
        std::make_unique<FakePictureModule>(QStringLiteral("korva_1.dll")),
        std::make_unique<FakePictureModule>(QStringLiteral("korva_2.dll")), history);
}

} // namespace

void TestSession::undoRecordFollowsTheCommands() {
    const auto session = makeSession();
    Game& game = session->game();
    game.counters().counters().front()->setState(CounterRecord{700, 700, 0, 0});
    game.restack();
    QVERIFY(!session->canUndo());
    game.moveTop(700, 701);
    session->recordMove(700, 701);
    QVERIFY(session->canUndo());
    // A press on a counter starts a drag from there and leaves Undo as it was; a press on
    // an empty hex takes it away.
    session->setDragFromHex(701);
    QVERIFY(session->canUndo());
    session->setDragFromHex(-1);
    QVERIFY(!session->canUndo());
    QVERIFY(!session->undo());
    session->recordMove(700, 701);
    QVERIFY(session->undo());
    QCOMPARE(game.counterAt(700), game.counters().counters().front().get());
    QVERIFY(session->isModified());
    QVERIFY(!session->undo()); // one move only
}

void TestSession::openSaveAndNewGameTellOnce() {
    QTemporaryDir dir;
    const auto session = makeSession(dir.filePath(QStringLiteral("history")));
    QSignalSpy replaced(session.get(), &Session::positionReplaced);
    session->newGame();
    QCOMPARE(replaced.size(), 1);
    session->markChanged();
    const QString file = dir.filePath(QStringLiteral("t1.krv"));
    QVERIFY(session->save(file, false).saved);
    QCOMPARE(session->fileName(), file);
    QVERIFY(!session->isModified());
    QCOMPARE(replaced.size(), 1); // a save replaces nothing

    // A refused file changes nothing and tells nothing.
    const QString broken = dir.filePath(QStringLiteral("broken.krv"));
    QFile(broken).open(QIODevice::WriteOnly);
    session->markChanged();
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
    session->markChanged();
    QCOMPARE(session->stepHistory(Session::HistoryStep::First), Session::StepOutcome::Shown);
    QVERIFY(session->showsPast() && !session->save(file, false).saved);
    session->backToPresent();
    QCOMPARE(replaced.last().at(0).value<Session::Change>(), Session::Change::Present);
}

QTEST_MAIN(TestSession)
#include "tst_session.moc"
