#include "app/dialogs/noteeditor.h"
#include "app/map/mapview.h"
#include "app/turn/movelayer.h"
#include "app/turn/replaycontroller.h"
#include "app/turn/turnlistdock.h"
#include "board/hex.h"
#include "board/mapboard.h"
#include "board/mappicture.h"
#include "combat/taggermgr.h"
#include "game/game.h"
#include "game/gamefile.h"
#include "game/turnkeeper.h"
#include "movefile/movefile.h"
#include "tests/app/mainformharness.h"
#include "tests/common/gameaccess.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>

// The opponent's turn through the real window: the moves and the list after Open, the
// replay, the history stepped through read-only, a comparison and the outgoing note.
class TestMainFormTurnView : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void openShowsTheTurnAndTheListFindsItsHexes();
    void replayStepsStackByStack_data();
    void replayStepsStackByStack();
    void replayOnlyShows();
    void replayShowsNewHexesAsBeforeUntilTheirStep();
    void thePastIsReadOnlyAndThePresentComesBackWhole();
    void compareWithAndTheNote();

private:
    QTemporaryDir dir_;
    QString turn_;

    static QAction* action(MainFormHarness& h, const char* name) {
        return h.form->findChild<QAction*>(QString::fromLatin1(name));
    }
};

void TestMainFormTurnView::initTestCase() {
    // The opponent moved counter 1 and the stack of 2 and 3 from 900 to 1300, flipped
    // counter 4, and fought once.
    MainFormHarness maker;
    maker.form->files().NewGame();
    MoveFileContents contents = parseMoveFile(gamefile::moveFile(maker.form->game(), false));
    for (int i = 0; i < 4; ++i)
        contents.counters[std::size_t(i)] = {900, 900, 0, 0};
    contents.counters[0].currentHex = 1100;
    contents.counters[1].currentHex = 1300;
    contents.counters[2].currentHex = 1300;
    contents.counters[3].losses = 1;
    contents.tags = {{ZeKClick(1300).position(), 5, "Broke through"}};
    // Saved by a Korva: the turn's start (counter 4 whole) goes with it.
    KorvaExtension block;
    block.turnStart = startPlaces(contents.counters);
    (*block.turnStart)[3].losses = 0;
    turn_ = dir_.filePath(QStringLiteral("turn.krv"));
    QFile file(turn_);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(encodeMoveFile(contents) + encodeKorvaExtension(block));
}

void TestMainFormTurnView::openShowsTheTurnAndTheListFindsItsHexes() {
    MainFormHarness h;
    h.form->resize(500, 400);
    QVERIFY(!action(h, "actShowMoves")->isChecked()); // no file's moves to show yet
    QVERIFY(h.form->files().OpenMove(turn_));
    QVERIFY(action(h, "actShowMoves")->isChecked()); // on after an Open with moves
    QCOMPARE(h.form->turn().moveLayer().moves().arrows.size(), std::size_t{2});
    QCOMPARE(h.form->turn().moveLayer().moves().outlines.size(), std::size_t{1});
    TurnListModel& list = h.form->turn().turnListDock().model();
    QCOMPARE(list.rowCount(), 4 + 1); // four changes, one combat
    QCOMPARE(list.data(list.index(4, TurnListModel::Comment)).toString(),
             QStringLiteral("Broke through"));
    QCOMPARE(list.data(list.index(3, TurnListModel::To)).toString(),
             QStringLiteral("did not move"));
    // The combat's hex under a column of its own, beside counter 2's move to the same hex.
    QCOMPARE(list.data(list.index(4, TurnListModel::CombatHex)),
             list.data(list.index(1, TurnListModel::To)));
    QVERIFY(list.data(list.index(4, TurnListModel::From)).isNull());

    // A row centres the map on its hex and flashes the counter.
    h.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
    h.form->turn().turnListDock().show();
    QTableView& table = h.form->turn().turnListDock().table();
    const QScrollBar* vertical = h.form->findChild<QScrollArea*>()->verticalScrollBar();
    const int before = vertical->value();
    table.setCurrentIndex(list.index(1, 0));
    QVERIFY(h.form->turn().moveLayer().isFlashing());
    QVERIFY(vertical->value() != before);
    action(h, "actShowMoves")->trigger();
    QVERIFY(!h.form->turn().moveLayer().isShown());
}

void TestMainFormTurnView::replayStepsStackByStack_data() {
    QTest::addColumn<std::vector<CounterChange>>("changes");
    QTest::addColumn<std::vector<std::vector<int>>>("stacks");
    const auto move = [](int counter, int from, int to) {
        return CounterChange{counter, from, to, 0, 0, 0, 0};
    };
    QTest::newRow("one stack of two, then a single")
        << std::vector{move(1, 5, 9), move(2, 7, 8), move(3, 5, 9)}
        << std::vector<std::vector<int>>{{1, 3}, {2}};
    QTest::newRow("same start, other ends")
        << std::vector{move(1, 5, 9), move(2, 5, 8)} << std::vector<std::vector<int>>{{1}, {2}};
    QTest::newRow("a flip alone is no step")
        << std::vector{CounterChange{1, 5, 5, 0, 1, 0, 0}} << std::vector<std::vector<int>>{};
}

void TestMainFormTurnView::replayStepsStackByStack() {
    QFETCH(std::vector<CounterChange>, changes);
    QFETCH(std::vector<std::vector<int>>, stacks);
    const std::vector<ReplayStep> steps = replaySteps(changes, {{40, 6, QStringLiteral("x"), {}}});
    QCOMPARE(steps.size(), stacks.size() + 1);
    for (std::size_t i = 0; i < stacks.size(); ++i)
        QCOMPARE(steps[i].counters, stacks[i]);
    QCOMPARE(steps.back().kind, ReplayStep::Kind::Combat); // combats after the moves
}

void TestMainFormTurnView::replayOnlyShows() {
    MainFormHarness h;
    QVERIFY(h.form->files().OpenMove(turn_));
    h.drag(1100, 1500); // a move of the player's own, to undo later
    const QByteArray position = gamefile::savedFile(mutableGame(h.form->session()), false);
    QVERIFY(h.form->session().document().isModified());
    action(h, "actReplayTurn")->setChecked(true);
    ReplayController& replay = h.form->turn().replay();
    QVERIFY(replay.isPlaying());
    QCOMPARE(replay.steps().size(), std::size_t{3}); // counter 1, the stack 2+3, the combat
    QVERIFY(!h.form->turn().moveLayer().isShown());  // the replay draws the moves itself
    replay.advance(ReplayController::kMoveMs / 2);
    QCOMPARE(replay.current(), std::size_t{0});
    replay.pause();
    replay.step();
    QCOMPARE(replay.progress(), 1.0);
    replay.step();
    QCOMPARE(replay.current(), std::size_t{1});
    replay.setSpeed(4);
    replay.play();
    replay.advance(ReplayController::kMoveMs + ReplayController::kCombatMs);
    QVERIFY(replay.isFinished());
    QVERIFY(!replay.isPlaying());
    QCOMPARE(gamefile::savedFile(mutableGame(h.form->session()), false), position);
    QVERIFY(h.form->session().document().isModified());
    action(h, "actReplayTurn")->setChecked(false);
    QVERIFY(!replay.isActive());
    QVERIFY(h.form->turn().moveLayer().isShown());
    h.form->play().sbUndoClick(); // the undo record survived the replay
    QCOMPARE(h.counter(1).currentHex().index(), 1100);
}

void TestMainFormTurnView::replayShowsNewHexesAsBeforeUntilTheirStep() {
    MainFormHarness h;
    QVERIFY(h.form->files().OpenMove(turn_));
    h.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
    const MapPicture& picture = h.form->game().mapPicture();
    const auto area = [&h](int hex) { return h.form->game().board().hex(hex).counterArea(); };
    const auto shown = [&h](const QRect& rect) {
        h.form->mapView().centreOn(QRectF(rect).center());
        return h.form->mapView().grab(rect).toImage().convertToFormat(QImage::Format_RGB32);
    };
    const auto rgb = [](const QImage& image) {
        return image.convertToFormat(QImage::Format_RGB32);
    };
    action(h, "actReplayTurn")->setChecked(true);
    ReplayController& replay = h.form->turn().replay();
    replay.pause();
    // Nothing has left 900 yet: the new hexes 1100 and 1300 show the bare map, as before.
    for (const int hex : {1100, 1300})
        QCOMPARE(shown(area(hex)), rgb(picture.pristineCopy(area(hex))));
    replay.step();
    replay.step();
    QCOMPARE(replay.current(), std::size_t{1});
    // It has come; the dark edge of its arrow's head reaches a pixel or two over its edge.
    const QRect counter(area(1100).topLeft() + QPoint(4, 4), QSize(16, 16));
    QCOMPARE(shown(counter), rgb(picture.copy(counter)));
}

void TestMainFormTurnView::thePastIsReadOnlyAndThePresentComesBackWhole() {
    QTemporaryDir history;
    MainFormHarness h(1, {}, {}, history.path());
    QVERIFY(h.form->files().OpenMove(turn_));
    h.drag(1100, 1500);
    h.prompts->endOfTurnAnswers = {QMessageBox::No};
    h.prompts->saveFiles = {dir_.filePath(QStringLiteral("mine.krv"))};
    h.form->files().sbSaveClick();
    h.drag(1500, 1700); // unsaved, and a step of the turn's edits
    const QByteArray present = gamefile::savedFile(mutableGame(h.form->session()), false);

    h.form->turn().stepHistory(PastBrowser::HistoryStep::First); // the opened file
    QVERIFY(h.form->session().showsPast());
    QCOMPARE(h.counter(1).currentHex().index(), 1100);
    QCOMPARE(h.form->turn().moveLayer().moves().arrows.size(), std::size_t{2}); // its moves drawn
    QVERIFY(h.form->windowTitle().contains(QStringLiteral("read-only")));
    h.drag(1100, 1900); // nothing moves, flips or saves
    QCOMPARE(h.counter(1).currentHex().index(), 1100);
    h.form->play().sbUndoClick();
    h.form->files().sbSaveClick();
    QCOMPARE(h.prompts->saveFiles.size(), qsizetype{0});
    h.form->turn().stepHistory(PastBrowser::HistoryStep::Next); // the saved file
    QCOMPARE(h.counter(1).currentHex().index(), 1500);
    h.form->turn().stepHistory(PastBrowser::HistoryStep::Next); // past the newest: the present
    QVERIFY(!h.form->session().showsPast());
    QCOMPARE(gamefile::savedFile(mutableGame(h.form->session()), false), present);
    QVERIFY(h.form->session().document().isModified());
    // A step into the history began the edits afresh: the move stays, unsaved.
    QVERIFY(!h.form->session().document().edits().canUndo());
    h.form->play().sbUndoClick();
    QCOMPARE(h.counter(1).currentHex().index(), 1700);

    // A question about unsaved changes is about the present, from wherever it is asked.
    h.form->turn().stepHistory(PastBrowser::HistoryStep::Last);
    h.prompts->saveChangesAnswers = {QMessageBox::Cancel};
    QVERIFY(!h.form->files().maybeSaveChanges());
    QVERIFY(!h.form->session().showsPast());
}

void TestMainFormTurnView::compareWithAndTheNote() {
    MainFormHarness h;
    h.form->files().NewGame();
    h.form->turn().compareWith(turn_);
    // Every counter the file placed differs from the new game's holding area.
    QCOMPARE(h.form->turn().turnListDock().model().changeCount(), std::size_t{4});
    QVERIFY(!h.form->session().document().isModified());

    h.prompts->dialogScript = [](QDialog& dialog) {
        auto& editor = dynamic_cast<NoteEditor&>(dialog);
        editor.setNote(QString(70000, QLatin1Char('x')));
        if (editor.fits())
            return int(QDialog::Accepted);
        editor.setNote(QStringLiteral("Naples by spring — ÄÖ"));
        return int(QDialog::Accepted);
    };
    h.form->turn().editNote();
    QCOMPARE(h.form->game().turn().note(), QStringLiteral("Naples by spring — ÄÖ"));
    QVERIFY(h.form->session().document().isModified());
    const QString saved = dir_.filePath(QStringLiteral("noted.krv"));
    h.prompts->endOfTurnAnswers = {QMessageBox::Yes};
    h.prompts->saveFiles = {saved};
    h.form->files().sbSaveClick();
    QCOMPARE(readOpenedMoveFile(saved).extension.note, QStringLiteral("Naples by spring — ÄÖ"));
}

QTEST_MAIN(TestMainFormTurnView)
#include "tst_mainform_turnview.moc"
