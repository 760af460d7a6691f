#include "app/play/editsdock.h"
#include "combat/taggermgr.h"
#include "game/gamefile.h"
#include "geometry/hexgrid.h"
#include "tests/app/mainformharness.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QUndoStack>
#include <QUndoView>

// Moving counters with the mouse and the counter commands Flip, Tag, Return and Undo.
class TestMainFormMoves : public QObject {
    Q_OBJECT
private slots:
    void clickRotatesStack();
    void clickOnSingleCounterIsNoStep();
    void dragMovesTopCounter();
    void moveAllReversesStack();
    void moveAllOverStartingHexRotates();
    void releaseOutsideDropArea_data();
    void releaseOutsideDropArea();
    void undoWalksBackAndRedoForward();
    void undoAndRedoThroughTheWindow();
    void rightButtonNeverDrags();
    void escapeAndKeyboardCommandsEndADrag();
    void dragPictureFollowsPointerOnly();
    void statusFollowsDropAndEndOfTurn();
    void statusFollowsUndoAndRedo();
    void editsListClickBelowARollShowsTheRoll();
    void flipAndTag();
    void commandsBeforePointerDoNothing();
    void returnAnimatesThenUndoGoesBack();
    void returnInPlaceAndTwoUndos();
    void closeDuringReturnAsksAfterIt();

private:
    QToolButton* undoButton(MainFormHarness& h) {
        return h.form->findChild<QToolButton*>(QStringLiteral("sbUndo"));
    }
};

void TestMainFormMoves::clickRotatesStack() {
    MainFormHarness h;
    h.place(1, 300); // A bottom
    h.place(2, 300); // B
    h.place(3, 300); // C top
    h.rebuild();
    const Counter* a = &h.counter(1);
    const Counter* b = &h.counter(2);
    const Counter* c = &h.counter(3);
    h.press(300);
    QVERIFY(h.form->play().isDragging());
    h.release(300);
    QCOMPARE(h.stack(300), (std::vector<const Counter*>{c, a, b}));
    QCOMPARE(h.form->play().statusText(3),
             QStringLiteral("UK 7 Armor XX ; Partial Step/Loss = 2/0"));
    // Turning a stack over is a step of its own, taken back as any.
    QVERIFY(undoButton(h)->toolTip().startsWith(QStringLiteral("Undo: turning over the stack")));
    QVERIFY(h.form->play().dragImage().isHidden());
    h.form->play().sbUndoClick();
    QCOMPARE(h.stack(300), (std::vector<const Counter*>{a, b, c}));
}

void TestMainFormMoves::clickOnSingleCounterIsNoStep() {
    MainFormHarness h;
    h.place(1, 300);
    h.place(2, 310);
    h.rebuild();
    h.drag(300, 305);
    QVERIFY(undoButton(h)->isEnabled());
    // A click that turns nothing over, and a press on an empty hex, are no steps: Undo still
    // takes back the move.
    h.press(310);
    h.release(310);
    h.press(900);
    h.release(900);
    QCOMPARE(h.form->session().document().edits().stack().count(), 1);
    h.form->play().sbUndoClick();
    QCOMPARE(h.counter(1).currentHex().index(), 300);
    QVERIFY(!undoButton(h)->isEnabled());
}

void TestMainFormMoves::dragMovesTopCounter() {
    MainFormHarness h;
    h.place(1, 300);
    h.place(2, 400);
    h.rebuild();
    h.drag(300, 400);
    QCOMPARE(h.stack(300).size(), std::size_t{0});
    QCOMPARE(h.stack(400), (std::vector<const Counter*>{&h.counter(2), &h.counter(1)}));
    QCOMPARE(h.counter(1).currentHex().index(), 400);
    QVERIFY(undoButton(h)->isEnabled());
    QCOMPARE(undoButton(h)->toolTip(),
             QStringLiteral("Undo: move of UK 6 Armor XX from E34 (Ctrl+Z)"));
    QCOMPARE(h.form->play().statusText(2), QStringLiteral("Has Moved"));
    QVERIFY(h.form->session().document().isModified());
    // Back onto its start hex it has not moved.
    h.drag(400, 300);
    QCOMPARE(h.form->play().statusText(2), QStringLiteral("Yet to move"));
}

void TestMainFormMoves::moveAllReversesStack() {
    MainFormHarness h;
    h.place(1, 300);
    h.place(2, 300);
    h.place(3, 300);
    h.rebuild();
    QTest::mouseClick(h.form->findChild<QToolButton*>(QStringLiteral("sbMoveAll")), Qt::LeftButton);
    h.drag(300, 500);
    QCOMPARE(h.stack(300).size(), std::size_t{0});
    QCOMPARE(h.stack(500),
             (std::vector<const Counter*>{&h.counter(3), &h.counter(2), &h.counter(1)}));
    h.form->play().sbUndoClick();
    QCOMPARE(h.stack(300),
             (std::vector<const Counter*>{&h.counter(1), &h.counter(2), &h.counter(3)}));
    QCOMPARE(h.stack(500).size(), std::size_t{0});
}

void TestMainFormMoves::moveAllOverStartingHexRotates() {
    MainFormHarness h;
    h.place(1, 300);
    h.place(2, 300);
    h.rebuild();
    QTest::mouseClick(h.form->findChild<QToolButton*>(QStringLiteral("sbMoveAll")), Qt::LeftButton);
    h.press(300);
    h.release(300);
    QCOMPARE(h.stack(300), (std::vector<const Counter*>{&h.counter(2), &h.counter(1)}));
}

void TestMainFormMoves::releaseOutsideDropArea_data() {
    QTest::addColumn<QPoint>("release");
    QTest::newRow("x 1494") << QPoint(1494, 100);
    QTest::newRow("y 2720") << QPoint(100, 2720);
    QTest::newRow("negative x") << QPoint(-1, 100);
    QTest::newRow("negative y") << QPoint(100, -5);
}

void TestMainFormMoves::releaseOutsideDropArea() {
    QFETCH(QPoint, release);
    MainFormHarness h;
    h.place(1, 300);
    h.place(2, 310);
    h.rebuild();
    h.drag(310, 320); // a valid move first, so the record was set
    h.press(300);
    h.moveTo(release, Qt::LeftButton);
    h.releaseAt(release);
    QCOMPARE(h.stack(300), std::vector<const Counter*>{&h.counter(1)});
    QVERIFY(!h.form->play().isDragging());
    h.form->play().sbUndoClick(); // the move before: the release moved nothing
    QCOMPARE(h.counter(2).currentHex().index(), 310);
    QCOMPARE(h.counter(1).currentHex().index(), 300);
}

void TestMainFormMoves::undoWalksBackAndRedoForward() {
    MainFormHarness h;
    h.place(1, 300);
    h.place(2, 310);
    h.rebuild();
    h.drag(300, 301);
    h.drag(310, 311);
    auto* redo = h.form->findChild<QAction*>(QStringLiteral("actRedo"));
    QVERIFY(!redo->isEnabled());
    h.form->play().sbUndoClick();
    QCOMPARE(h.counter(2).currentHex().index(), 310);
    QCOMPARE(h.counter(1).currentHex().index(), 301);
    h.form->play().sbUndoClick();
    QCOMPARE(h.counter(1).currentHex().index(), 300);
    QVERIFY(!undoButton(h)->isEnabled() && !h.form->session().document().isModified());
    QVERIFY(redo->toolTip().startsWith(QStringLiteral("Redo: move of")));
    redo->trigger();
    redo->trigger();
    QCOMPARE(h.counter(2).currentHex().index(), 311);
    QCOMPARE(h.counter(1).currentHex().index(), 301);
}

// Three moves and a Flip, four undos: the file saved holds the position as it began; four
// redos: the moved one; after a roll, Undo leaves the roll where it is.
void TestMainFormMoves::undoAndRedoThroughTheWindow() {
    QTemporaryDir dir;
    MainFormHarness h;
    for (const int n : {1, 2, 3})
        h.place(n, 290 + 10 * n);
    h.rebuild();
    const auto counters = [&](const char* name) {
        const QString path = dir.filePath(QLatin1String(name));
        if (!h.form->files().SaveMove(path, false))
            return QByteArray();
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.read(2816) : QByteArray();
    };
    const QByteArray began = counters("began.krv");
    h.drag(300, 301);
    h.drag(310, 311);
    h.drag(320, 321);
    h.hover(321);
    h.form->play().pmFlipClick();
    const QByteArray moved = gamefile::moveFile(h.form->game(), false).left(2816);
    for (int i = 0; i < 4; ++i)
        h.form->play().sbUndoClick();
    QCOMPARE(counters("undone.krv"), began);
    for (int i = 0; i < 4; ++i)
        h.form->play().sbRedoClick();
    QCOMPARE(counters("redone.krv"), moved);
    h.prompts->dialogScript = [](QDialog& dialog) {
        QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("combatComment")),
                         QStringLiteral("go"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("combatBone")),
                          Qt::LeftButton);
        dialog.done(QDialog::Accepted);
        return dialog.result();
    };
    h.form->play().pmCOmbatClick();
    h.form->play().sbUndoClick();
    QCOMPARE(h.form->game().tags().ownCount(), std::size_t{1});
    QCOMPARE(gamefile::moveFile(h.form->game(), false).left(2816), moved);
}

void TestMainFormMoves::rightButtonNeverDrags() {
    MainFormHarness h;
    h.place(1, 300);
    h.rebuild();
    QTest::mousePress(&h.map(), Qt::RightButton, {}, MainFormHarness::centre(300));
    QVERIFY(!h.form->play().isDragging());
    QTest::mouseRelease(&h.map(), Qt::RightButton, {}, MainFormHarness::centre(400));
    QVERIFY(h.form->play().popupMenu().isVisible()); // idle, the right release opens the menu
    h.form->play().popupMenu().close();
    QCOMPARE(h.counter(1).currentHex().index(), 300);
    // During a left drag neither a right click nor the menu key opens the menu, which would
    // take the left release; the drag goes on and drops where the left button is released.
    h.press(300);
    QTest::mousePress(&h.map(), Qt::RightButton, {}, MainFormHarness::centre(400));
    QTest::mouseRelease(&h.map(), Qt::RightButton, {}, MainFormHarness::centre(400));
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, MainFormHarness::centre(400),
                              h.map().mapToGlobal(MainFormHarness::centre(400)));
    QCoreApplication::sendEvent(&h.map(), &menuKey);
    QVERIFY(!h.form->play().popupMenu().isVisible());
    QVERIFY(h.form->play().isDragging());
    h.release(500);
    QCOMPARE(h.counter(1).currentHex().index(), 500);
}

void TestMainFormMoves::escapeAndKeyboardCommandsEndADrag() {
    // Esc needs no keyboard grab, which platforms without one complain of at every drag.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("grabbing the keyboard")));
    MainFormHarness h;
    h.place(1, 300);
    h.place(2, 600);
    h.rebuild();
    h.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
    h.drag(600, 601); // an undoable move
    // Esc reaches the map through the window, wherever the keyboard focus is.
    h.press(300);
    h.moveTo(MainFormHarness::centre(400), Qt::LeftButton);
    QTest::keyClick(h.form->windowHandle(), Qt::Key_Escape);
    QVERIFY(!h.form->play().isDragging());
    QVERIFY(h.form->play().dragImage().isHidden());
    h.release(400); // the release after Esc moves nothing
    QCOMPARE(h.stack(300), (std::vector<const Counter*>{&h.counter(1)}));
    // Ctrl+Z with a counter held puts it back, then takes back the last move.
    h.press(300);
    h.form->play().sbUndoClick();
    QVERIFY(!h.form->play().isDragging());
    QCOMPARE(h.counter(1).currentHex().index(), 300);
    QCOMPARE(h.counter(2).currentHex().index(), 600);
}

void TestMainFormMoves::dragPictureFollowsPointerOnly() {
    MainFormHarness h;
    h.place(1, 300);
    h.rebuild();
    const QImage before = h.form->game().mapPicture().image();
    h.press(300);
    QVERIFY(!h.form->play().dragImage().isHidden());
    const QPoint at = MainFormHarness::centre(300);
    QCOMPARE(h.form->play().dragImage().pos(), at - QPoint(12, 12)); // no scrolling in the test
    h.moveTo(QPoint(700, 900), Qt::LeftButton);
    QCOMPARE(h.form->play().dragImage().pos(), QPoint(688, 888));
    QCOMPARE(h.form->play().dragImage().size(), QSize(24, 24));
    // Nothing is drawn into the map while dragging.
    QCOMPARE(h.form->game().mapPicture().image(), before);
    h.releaseAt(QPoint(700, 900));
    QVERIFY(h.form->play().dragImage().isHidden());
    QCOMPARE(h.form->play().dragImage().pos(), QPoint(0, 0));
}

void TestMainFormMoves::statusFollowsDropAndEndOfTurn() {
    MainFormHarness h;
    h.place(1, 300);
    h.rebuild();
    h.hover(400); // the pointer is over 400 before the drag
    QCOMPARE(h.form->play().statusText(2), QString());
    h.press(300);
    h.release(400);
    QCOMPARE(h.form->play().statusText(2), QStringLiteral("Has Moved"));
    // The turn ends with the pointer still there: a new turn's counter has yet to move.
    QTemporaryDir dir;
    h.prompts->endOfTurnAnswers = {QMessageBox::Yes};
    h.prompts->saveFiles = {dir.filePath(QStringLiteral("t1.krv"))};
    h.form->files().sbSaveClick();
    QCOMPARE(h.form->play().statusText(2), QStringLiteral("Yet to move"));
}

void TestMainFormMoves::statusFollowsUndoAndRedo() {
    MainFormHarness h;
    h.place(1, 300);
    h.rebuild();
    h.drag(300, 301); // the pointer stays over 301
    const QString moved = h.form->play().statusText(3);
    QVERIFY(!moved.isEmpty());
    h.form->play().sbUndoClick();
    QCOMPARE(h.form->play().statusText(3), QString());
    QCOMPARE(h.form->play().statusText(2), QString());
    h.form->play().sbRedoClick();
    QCOMPARE(h.form->play().statusText(3), moved);
    QCOMPARE(h.form->play().statusText(2), QStringLiteral("Has Moved"));
}

// A click on a step before a die roll walks back to the roll, and the list says so.
void TestMainFormMoves::editsListClickBelowARollShowsTheRoll() {
    MainFormHarness h;
    h.place(1, 300);
    h.place(2, 310);
    h.rebuild();
    h.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
    h.drag(300, 301);
    h.prompts->dialogScript = [](QDialog& dialog) {
        QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("combatComment")),
                         QStringLiteral("go"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("combatBone")),
                          Qt::LeftButton);
        dialog.done(QDialog::Accepted);
        return dialog.result();
    };
    h.form->play().pmCOmbatClick();
    h.drag(310, 311);
    const QUndoStack& edits = h.form->session().document().edits().stack();
    QCOMPARE(edits.index(), 3);
    h.form->findChild<QAction*>(QStringLiteral("actTurnEdits"))->setChecked(true);
    QUndoView& view = h.form->play().editsDock().view();
    QVERIFY(QTest::qWaitForWindowExposed(view.window()));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                      view.visualRect(view.model()->index(1, 0)).center());
    QCOMPARE(edits.index(), 2); // the roll stands
    QCOMPARE(h.counter(2).currentHex().index(), 310);
    const QModelIndex roll = view.model()->index(2, 0);
    QTRY_COMPARE(view.selectionModel()->selectedIndexes(), QModelIndexList{roll});
    QCOMPARE(view.selectionModel()->currentIndex(), roll);
}

void TestMainFormMoves::flipAndTag() {
    MainFormHarness h;
    h.place(1, 300);   // steps 2
    h.place(102, 400); // a fort, steps 0
    h.rebuild();
    h.hover(300);
    QCOMPARE(h.form->play().lastHex(), 300);
    QCOMPARE(h.counter(1).currentHex().index(), 300);
    QVERIFY(h.form->game().board().counterAt(300) != nullptr);
    h.form->play().pmFlipClick();
    h.form->play().pmFlipClick();
    QCOMPARE(h.form->play().statusText(3),
             QStringLiteral("UK 6 Armor XX ; Partial Step/Loss = 2/2"));
    const AFPoint p = ZeKClick(300).position();
    QCOMPARE(h.form->game().mapPicture().image().pixel(p.x + 2, p.y + 2) & 0xFFFFFF,
             FakePictureModule::colourOf(2002) & 0xFFFFFF);
    h.form->play().pmFlipClick();
    QVERIFY(h.form->play().statusText(3).endsWith(QStringLiteral("2/0")));
    h.hover(400);
    h.form->play().pmFlipClick();
    QVERIFY(h.form->play().statusText(3).endsWith(QStringLiteral("0/0")));
    // Tag cycles the marker, drawn at (+8, +8).
    h.form->play().pmNewClick();
    QCOMPARE(h.counter(102).marker(), 1);
    const AFPoint f = ZeKClick(400).position();
    QCOMPARE(h.form->game().mapPicture().image().pixel(f.x + 10, f.y + 10) & 0xFFFFFF,
             FakePictureModule::colourOf(2551) & 0xFFFFFF);
    h.form->play().pmNewClick();
    h.form->play().pmNewClick();
    QCOMPARE(h.counter(102).marker(), 0);
    // Each flip and tag is a step: three tags and four flips taken back.
    for (int i = 0; i < 7; ++i)
        h.form->play().sbUndoClick();
    QCOMPARE(h.counter(1).losses(), 0);
    QCOMPARE(h.counter(102).marker(), 0);
    QVERIFY(!undoButton(h)->isEnabled());
}

void TestMainFormMoves::commandsBeforePointerDoNothing() {
    MainFormHarness h;
    h.place(1, 300);
    h.rebuild();
    h.form->play().pmFlipClick();
    h.form->play().pmNewClick();
    h.form->play().pmReturnClick();
    h.form->play().pmCOmbatClick();
    h.form->play().pmShowCOmbatClick();
    QCOMPARE(h.counter(1).losses(), 0);
    QCOMPARE(h.counter(1).marker(), 0);
    QCOMPARE(h.prompts->dialogsRun, 0);
    h.hover(301); // an empty hex
    h.form->play().pmFlipClick();
    h.form->play().pmReturnClick();
    QVERIFY(h.pauses.empty());
}

void TestMainFormMoves::returnAnimatesThenUndoGoesBack() {
    MainFormHarness h;
    h.place(1, 300, 200); // started in 200 (column 2, row 62), now in 300
    h.rebuild();
    h.drag(300, 400); // A -> B
    h.hover(400);
    const AFPoint start = ZeKClick(200).position();
    const AFPoint from = ZeKClick(400).position();
    const QImage startBefore = h.form->game().mapPicture().copy({start.x, start.y, 27, 39});
    const QImage fromBefore = h.form->game().mapPicture().copy({from.x, from.y, 27, 39});
    int unchangedPauses = 0;
    h.onPause = [&] {
        // While it slides, the counter stays drawn where it was and not yet at its start.
        unchangedPauses +=
            h.form->game().mapPicture().copy({start.x, start.y, 27, 39}) == startBefore &&
            h.form->game().mapPicture().copy({from.x, from.y, 27, 39}) == fromBefore &&
            !h.form->play().dragImage().isHidden();
    };
    h.form->play().pmReturnClick();
    QCOMPARE(unchangedPauses, 30);
    QVERIFY(h.form->game().mapPicture().copy({start.x, start.y, 27, 39}) != startBefore);
    // 30 steps of 40 ms each, the picture sliding from B toward S, ending a step short.
    QCOMPARE(h.pauses.size(), std::size_t{30});
    QCOMPARE(h.pauses.front(), 40);
    const AFPoint b = ZeKClick(400).position();
    const AFPoint s = ZeKClick(200).position();
    const int dx = (s.x - b.x) / 30;
    const int dy = (s.y - b.y) / 30;
    for (int i = 0; i < 30; ++i)
        QCOMPARE(h.animationPositions[std::size_t(i)], QPoint(b.x + i * dx, b.y + i * dy));
    QVERIFY(h.animationPositions.back() != QPoint(s.x, s.y));
    QVERIFY(h.form->play().dragImage().isHidden());
    QCOMPARE(h.counter(1).currentHex().index(), 200);
    QVERIFY(!h.counter(1).hasMoved());
    QVERIFY(undoButton(h)->isEnabled());
    h.form->play().sbUndoClick();
    QCOMPARE(h.counter(1).currentHex().index(), 400); // to B, not to A
    h.form->play().sbUndoClick();
    QCOMPARE(h.counter(1).currentHex().index(), 300); // and then to A
}

void TestMainFormMoves::returnInPlaceAndTwoUndos() {
    MainFormHarness h;
    h.place(1, 300);
    h.rebuild();
    h.hover(300);
    h.form->play().pmReturnClick();
    QCOMPARE(h.pauses.size(), std::size_t{30});
    QCOMPARE(h.counter(1).currentHex().index(), 300);
    QVERIFY(undoButton(h)->isEnabled());
    h.form->play().sbUndoClick();
    QCOMPARE(h.counter(1).currentHex().index(), 300);
    QVERIFY(!undoButton(h)->isEnabled());
    h.form->play().sbUndoClick();
    QCOMPARE(h.counter(1).currentHex().index(), 300);
    QVERIFY(!h.form->session().document().isModified());
}

// The window system may close the window while the return slides: the question comes
// after the counter has arrived, with the return counted as a change.
void TestMainFormMoves::closeDuringReturnAsksAfterIt() {
    MainFormHarness h;
    h.place(1, 300, 200);
    h.rebuild();
    h.hover(300);
    bool closedDuringSlide = false;
    h.onPause = [&] {
        if (h.pauses.size() == 1)
            closedDuringSlide = h.form->close();
    };
    h.prompts->saveChangesAnswers = {QMessageBox::Cancel};
    h.form->play().pmReturnClick();
    QVERIFY(!closedDuringSlide);
    QCOMPARE(h.prompts->saveChangesAsked, 1);
    QCOMPARE(h.counter(1).currentHex().index(), 200);
    QVERIFY(h.form->session().document().isModified());
}

QTEST_MAIN(TestMainFormMoves)
#include "tst_mainform_moves.moc"
