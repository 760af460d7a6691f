#include "app/find/counterflash.h"
#include "app/map/lossbadges.h"
#include "app/play/hexcursor.h"
#include "combat/taggermgr.h"
#include "geometry/hexgrid.h"
#include "movefile/movefile.h"
#include "tests/app/mainformharness.h"
#include "tests/common/gameaccess.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

// Playing from the keyboard: the hex cursor, the map's command keys, the flash of a found
// counter, readable losses, and a whole turn played with key events only.
class TestMainFormKeyboard : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cursorMovesAndStatusFollows();
    void enterPicksUpAndDrops();
    void readableLossesOnlyWhenAsked();
    void keyboardOnlyTurn();

private:
    // A key as the keyboard sends it: to whatever has the focus, shortcuts included.
    static void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, k, modifiers);
    }
    static void type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    static void showActive(MainFormHarness& h) {
        h.form->resize(810, 574);
        h.form->show();
        h.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.form.get()));
    }
    static int hexAt(int column, int row) { return hexgrid::hexIndexOf(column, row); }
};

void TestMainFormKeyboard::init() {
    // Each test starts from a window of its own; nothing keeps the focus from the last.
    QApplication::setActiveWindow(nullptr);
}

void TestMainFormKeyboard::cursorMovesAndStatusFollows() {
    MainFormHarness h;
    showActive(h);
    h.map().setFocus();
    h.hover(hexAt(3, 10));
    auto* cursor = h.form->findChild<HexCursor*>();
    QVERIFY(cursor);
    QVERIFY(!cursor->isShown());
    key(Qt::Key_Right); // the first key shows the cursor where the pointer was
    QCOMPARE(cursor->hex(), hexAt(3, 10));
    QVERIFY(cursor->isShown());
    const struct {
        Qt::Key key;
        int column, row;
    } steps[] = {
        {Qt::Key_Right, 4, 10}, {Qt::Key_Down, 4, 11}, {Qt::Key_Left, 3, 11}, {Qt::Key_Up, 3, 10}};
    for (const auto& s : steps) {
        key(s.key);
        QCOMPARE(cursor->hex(), hexAt(s.column, s.row));
        QCOMPARE(h.form->play().lastHex(), hexAt(s.column, s.row));
        QCOMPARE(h.form->play().statusText(1),
                 QString::fromStdString(hexgrid::hexLabel(hexAt(s.column, s.row))));
    }
    // The edge of the grid holds it.
    h.hover(hexAt(0, 0));
    key(Qt::Key_Up);
    key(Qt::Key_Left);
    key(Qt::Key_Up);
    QCOMPARE(cursor->hex(), hexAt(0, 0));
    // The mouse takes over.
    h.hover(hexAt(5, 5));
    QVERIFY(!cursor->isShown());
}

void TestMainFormKeyboard::enterPicksUpAndDrops() {
    MainFormHarness h;
    showActive(h);
    h.form->files().NewGame(); // the placeholder hexes empty
    h.place(1, hexAt(2, 2));
    h.place(2, hexAt(2, 2));
    h.rebuild();
    h.map().setFocus();
    h.hover(hexAt(2, 2));
    key(Qt::Key_Return);
    QVERIFY(h.form->play().isDragging());
    key(Qt::Key_Escape); // cancels: nothing moved
    QVERIFY(!h.form->play().isDragging());
    QCOMPARE(h.stack(hexAt(2, 2)).size(), std::size_t{2});
    key(Qt::Key_N); // turns the stack over, as a click
    QCOMPARE(h.form->game().counterAt(hexAt(2, 2)), &h.counter(1));
    key(Qt::Key_Return);
    key(Qt::Key_Down);
    QVERIFY(h.form->play().dragImage().isVisible());
    key(Qt::Key_Return);
    QCOMPARE(h.form->game().counterAt(hexAt(2, 3)), &h.counter(1));
    QCOMPARE(h.form->play().statusText(2), QStringLiteral("Has Moved"));
    key(Qt::Key_Z, Qt::ControlModifier); // undo works as after a drag
    QTRY_COMPARE(h.form->game().counterAt(hexAt(2, 2)), &h.counter(1)); // buttons click late
}

void TestMainFormKeyboard::readableLossesOnlyWhenAsked() {
    MainFormHarness h;
    showActive(h);
    h.place(1, hexAt(4, 4));
    h.rebuild();
    h.counter(1).cycleLosses();
    mutableGame(h.form->session()).restack();
    const AFPoint p = ZeKClick(hexAt(4, 4)).position();
    const QPoint inBadge = LossBadges::badgeAt(p.x, p.y).center();
    const auto shownPixel = [&] {
        return h.map().grab(QRect(inBadge, QSize(1, 1))).toImage().pixel(0, 0) & 0xFFFFFF;
    };
    const QRgb picture = h.form->game().mapPicture().image().pixel(inBadge) & 0xFFFFFF;
    QCOMPARE(shownPixel(), picture); // off: the map as drawn
    auto* toggle = h.form->findChild<QAction*>(QStringLiteral("actReadableLosses"));
    QVERIFY(toggle);
    key(Qt::Key_L, Qt::ControlModifier);
    QVERIFY(toggle->isChecked());
    QVERIFY(shownPixel() != picture);
    QCOMPARE(h.form->game().mapPicture().image().pixel(inBadge) & 0xFFFFFF, picture);
}

void TestMainFormKeyboard::keyboardOnlyTurn() {
    MainFormHarness h;
    showActive(h);
    h.form->files().NewGame();
    h.place(1, hexAt(10, 20)); // UK 6 Armor XX
    h.place(2, hexAt(12, 20)); // UK 7 Armor XX
    h.place(3, hexAt(14, 20)); // UK 52 Mnt XX
    h.rebuild();
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("turn2.krv"));
    h.prompts->saveFiles = {saved};
    h.prompts->endOfTurnAnswers = {QMessageBox::No};
    // The die-roll dialog, played with keys: comment, Tab to Bone, Space, Tab, Space.
    h.prompts->dialogScript = [](QDialog& dialog) {
        dialog.show();
        QTest::keyClicks(dialog.focusWidget(), QStringLiteral("Push on Cassino"));
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Space);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Space);
        return dialog.result();
    };

    // Find the first unit; Enter puts the map's cursor on it.
    key(Qt::Key_F, Qt::ControlModifier);
    type(QStringLiteral("6 arm"));
    key(Qt::Key_Return);
    QTRY_COMPARE(h.form->play().lastHex(), hexAt(10, 20));
    QTRY_VERIFY(h.map().hasFocus());
    // Move 1: two hexes down.
    key(Qt::Key_Return);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    // Move 2 and 3: the next two units, one hex to the right each.
    for (const int column : {12, 14}) {
        while (h.form->play().lastHex() != hexAt(column, 20))
            key(hexgrid::columnOf(h.form->play().lastHex()) < column ? Qt::Key_Right : Qt::Key_Up);
        key(Qt::Key_Return);
        key(Qt::Key_Right);
        key(Qt::Key_Return);
    }
    // A flip and a combat where the last one stands.
    key(Qt::Key_F);
    key(Qt::Key_C);
    // What the window manager does when a dialog closes: the main window is active again.
    h.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.form.get()));
    // Save.
    key(Qt::Key_S, Qt::ControlModifier);
    QTRY_VERIFY(QFile::exists(saved));

    QCOMPARE(h.counter(1).currentHex().index(), hexAt(10, 22));
    QCOMPARE(h.counter(2).currentHex().index(), hexAt(13, 20));
    QCOMPARE(h.counter(3).currentHex().index(), hexAt(15, 20));
    QCOMPARE(h.counter(3).losses(), 1);
    const auto& own = h.form->game().tags().ownTags();
    QCOMPARE(own.size(), std::size_t{1});
    QCOMPARE(own.begin()->comment(), std::string("Push on Cassino"));
    QVERIFY(own.begin()->position() == ZeKClick(hexAt(15, 20)).position());
    QVERIFY(QFile::exists(saved));
    QVERIFY(!h.form->session().document().isModified());
    const MoveFileContents file = readMoveFile(saved);
    QCOMPARE(file.counters[2].currentHex, hexAt(15, 20));
    QCOMPARE(file.tags.size(), std::size_t{1});
}

QTEST_MAIN(TestMainFormKeyboard)
#include "tst_mainform_keyboard.moc"
