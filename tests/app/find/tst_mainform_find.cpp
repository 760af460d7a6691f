#include "app/dialogs/tshowcombatdlg.h"
#include "app/find/counterflash.h"
#include "app/find/orderofbattledock.h"
#include "app/find/orderofbattlemodel.h"
#include "app/find/stackviewer.h"
#include "app/find/unitsearch.h"
#include "combat/taggermgr.h"
#include "counters/newgamelayout.h"
#include "geometry/hexgrid.h"
#include "tests/app/mainformharness.h"
#include "tests/common/gameaccess.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

// Finding counters: the name matching, Find with F3, the order of battle dock, the stack
// viewer, Show Combat's place line, and the keys and names of every control.
class TestMainFormFind : public QObject {
    Q_OBJECT
private slots:
    void nameMatching_data();
    void nameMatching();
    void findCentresAndCycles();
    void dockFollowsTheGame();
    void dockSortsByHexAndFilters();
    void dockFollowsOnlyWhileShown();
    void stackViewerShowsWholeStack();
    void showCombatTellsWhichRecord();
    void everyCommandHasAKey();

private:
    static QModelIndex rowOf(QAbstractItemModel& model, int oobRow) {
        for (int r = 0; r < model.rowCount(); ++r)
            if (model.index(r, 0).data(OrderOfBattleModel::kRowRole).toInt() == oobRow)
                return model.index(r, 0);
        return {};
    }
    static QString cell(const QModelIndex& row, int column) {
        return row.sibling(row.row(), column).data().toString();
    }
};

void TestMainFormFind::nameMatching_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("query");
    QTest::addColumn<bool>("matches");
    QTest::newRow("6 arm") << "UK 6 Armor XX"
                           << "6 arm" << true;
    QTest::newRow("case") << "UK 6 Armor XX"
                          << "uk ARMOR" << true;
    QTest::newRow("order matters") << "UK 6 Armor XX"
                                   << "arm 6" << false;
    QTest::newRow("inside a word") << "UK 6 Armor XX"
                                   << "rmor" << false;
    QTest::newRow("number is a word") << "UK 56 Inf XX"
                                      << "6" << false;
    QTest::newRow("colon splits") << "Tiger:508"
                                  << "508" << true;
    QTest::newRow("blank query") << "UK 6 Armor XX"
                                 << "  " << false;
}

void TestMainFormFind::nameMatching() {
    QFETCH(QString, name);
    QFETCH(QString, query);
    QFETCH(bool, matches);
    QCOMPARE(unitsearch::nameMatches(name, query), matches);
}

void TestMainFormFind::findCentresAndCycles() {
    MainFormHarness h;
    h.form->resize(810, 574);
    h.form->show();
    h.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.form.get()));
    const int offBoard = hexgrid::hexIndexOf(30, 40);
    h.place(1, offBoard); // UK 6 Armor XX
    h.place(2, 40);       // UK 7 Armor XX
    h.rebuild();
    QLineEdit& find = h.form->find().findEdit();
    QTest::keyClick(h.form.get(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(find.hasFocus());
    QTest::keyClicks(&find, QStringLiteral("uk armor xx"));
    QTest::keyClick(&find, Qt::Key_Return);
    QTRY_COMPARE(h.form->play().lastHex(), offBoard);
    const CounterFlash* flash = h.form->findChild<CounterFlash*>();
    QVERIFY(flash && flash->isFlashing());
    QCOMPARE(flash->counterRect().topLeft(),
             QPoint(ZeKClick(offBoard).position().x, ZeKClick(offBoard).position().y));
    // The hex is in the middle of the view, and the status bar says where it is.
    const QScrollArea* box = h.form->findChild<QScrollArea*>(QStringLiteral("bScrollBoxMain"));
    const QPoint shown = h.map().mapTo(box->viewport(), MainFormHarness::centre(offBoard));
    QVERIFY(box->viewport()->rect().adjusted(100, 100, -100, -100).contains(shown));
    QVERIFY(
        h.form->find().findStatus().startsWith(QStringLiteral("1 of 2: UK 6 Armor XX, Off board")));
    QTest::keyClick(h.form.get(), Qt::Key_F3);
    QCOMPARE(h.form->play().lastHex(), 40);
    QTest::keyClick(h.form.get(), Qt::Key_F3); // round again
    QCOMPARE(h.form->play().lastHex(), offBoard);
    QTest::keyClick(h.form.get(), Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(h.form->play().lastHex(), 40);
    h.form->find().findFirst(QStringLiteral("no such unit"));
    QVERIFY(h.form->find().findStatus().startsWith(QStringLiteral("No unit matches")));
}

void TestMainFormFind::dockFollowsTheGame() {
    MainFormHarness h;
    QAbstractItemModel& model = h.form->find().orderOfBattleDock().proxy();
    QCOMPARE(model.rowCount(), 234);
    h.place(1, 300);
    h.rebuild(); // as an Open
    const QModelIndex uk6 = rowOf(model, 1);
    QCOMPARE(cell(uk6, OrderOfBattleModel::Name), QStringLiteral("UK 6 Armor XX"));
    QCOMPARE(cell(uk6, OrderOfBattleModel::Side), QStringLiteral("Allies"));
    QCOMPARE(cell(rowOf(model, 234), OrderOfBattleModel::Side), QStringLiteral("Axis"));
    const QString startHex = cell(uk6, OrderOfBattleModel::HexColumn);
    h.drag(300, 301);
    QCOMPARE(cell(rowOf(model, 1), OrderOfBattleModel::Moved), QStringLiteral("Has Moved"));
    QVERIFY(cell(rowOf(model, 1), OrderOfBattleModel::HexColumn) != startHex);
    h.hover(301);
    h.form->play().pmFlipClick();
    h.form->play().pmNewClick();
    QCOMPARE(cell(rowOf(model, 1), OrderOfBattleModel::Losses), QStringLiteral("1"));
    QCOMPARE(cell(rowOf(model, 1), OrderOfBattleModel::Marker), QStringLiteral("1"));
    for (int step = 0; step < 3; ++step) // the tag, the flip, the move
        h.form->play().sbUndoClick();
    QCOMPARE(cell(rowOf(model, 1), OrderOfBattleModel::Losses), QStringLiteral("0"));
    QCOMPARE(cell(rowOf(model, 1), OrderOfBattleModel::HexColumn), startHex);
    QCOMPARE(cell(rowOf(model, 1), OrderOfBattleModel::Moved), QStringLiteral("Yet to move"));
    h.form->files().NewGame();
    QCOMPARE(cell(rowOf(model, 1), OrderOfBattleModel::HexColumn), QStringLiteral("Off board"));
    QCOMPARE(cell(rowOf(model, 1), OrderOfBattleModel::Losses), QStringLiteral("0"));
}

void TestMainFormFind::dockSortsByHexAndFilters() {
    MainFormHarness h;
    h.form->files().NewGame();              // everyone off board
    h.place(3, hexgrid::hexIndexOf(1, 40)); // B column before
    h.place(4, hexgrid::hexIndexOf(0, 50)); // A column, though a larger number
    h.place(5, hexgrid::hexIndexOf(1, 2));
    h.rebuild();
    h.form->show();
    OrderOfBattleDock& dock = h.form->find().orderOfBattleDock();
    dock.show();
    dock.table().sortByColumn(OrderOfBattleModel::HexColumn, Qt::AscendingOrder);
    QAbstractItemModel& model = dock.proxy();
    QCOMPARE(model.index(0, 0).data(OrderOfBattleModel::kRowRole).toInt(), 4);
    QCOMPARE(model.index(1, 0).data(OrderOfBattleModel::kRowRole).toInt(), 5);
    QCOMPARE(model.index(2, 0).data(OrderOfBattleModel::kRowRole).toInt(), 3);
    QCOMPARE(cell(model.index(233, 0), OrderOfBattleModel::HexColumn), QStringLiteral("Off board"));
    // A move re-sorts before the window shows it.
    h.drag(hexgrid::hexIndexOf(0, 50), hexgrid::hexIndexOf(2, 0));
    QCoreApplication::processEvents();
    QCOMPARE(model.index(2, 0).data(OrderOfBattleModel::kRowRole).toInt(), 4);
    QTest::keyClicks(&dock.filterEdit(), QStringLiteral("uk 6 arm"));
    QCOMPARE(model.rowCount(), 1);
    dock.filterEdit().clear();
    QTest::keyClicks(&dock.filterEdit(), QStringLiteral("axis"));
    QCOMPARE(model.rowCount(), 234 - 101);
    // Activating a row shows that counter on the map.
    dock.filterEdit().clear();
    emit dock.table().activated(rowOf(model, 5));
    QCOMPARE(h.form->play().lastHex(), hexgrid::hexIndexOf(1, 2));
}

// Hidden, the dock costs an Open nothing; shown, it catches up at once and hears of a
// command's changes together, once the command is done.
void TestMainFormFind::dockFollowsOnlyWhileShown() {
    MainFormHarness h;
    h.form->show();
    OrderOfBattleDock& dock = h.form->find().orderOfBattleDock();
    QSignalSpy told(&dock.proxy(), &QAbstractItemModel::dataChanged);
    h.place(1, 300);
    h.rebuild();
    h.drag(300, 301);
    QCoreApplication::processEvents();
    QCOMPARE(told.count(), 0);
    dock.show();
    QTRY_COMPARE(told.count(), 1);
    QCOMPARE(cell(rowOf(dock.proxy(), 1), OrderOfBattleModel::Moved), QStringLiteral("Has Moved"));
    h.drag(301, 302);
    h.hover(302);
    h.form->play().pmFlipClick();
    QCOMPARE(told.count(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(told.count(), 2);
    QCOMPARE(cell(rowOf(dock.proxy(), 1), OrderOfBattleModel::Losses), QStringLiteral("1"));
}

void TestMainFormFind::stackViewerShowsWholeStack() {
    MainFormHarness h;
    h.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
    for (const int row : {1, 2, 3})
        h.place(row, 300);
    h.rebuild();
    h.counter(3).cycleLosses();
    h.prompts->dialogScript = [](QDialog& d) {
        auto* edit = d.findChild<QLineEdit*>(QStringLiteral("combatComment"));
        QTest::keyClicks(edit, QStringLiteral("Hold the bridge"));
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("combatBone")), Qt::LeftButton);
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("combatCancel")),
                          Qt::LeftButton);
        return d.result();
    };
    h.hover(300);
    h.form->play().pmCOmbatClick();
    const QStringList texts = h.stackViewerTexts(300);
    const StackViewer& viewer = h.form->find().stackViewer();
    // Top first: 3, 2, 1, then the combat.
    const auto at = [&](const char* text) { return texts.indexOf(QString::fromLatin1(text)); };
    QVERIFY(at("UK 52 Mnt XX") >= 0);
    QVERIFY(at("UK 52 Mnt XX") < at("UK 7 Armor XX"));
    QVERIFY(at("UK 7 Armor XX") < at("UK 6 Armor XX"));
    QVERIFY(texts.join(QLatin1Char('|')).contains(QStringLiteral("Steps/Losses 1/1")));
    QVERIFY(texts.join(QLatin1Char('|')).contains(QStringLiteral("Your roll: ")));
    QVERIFY(texts.join(QLatin1Char('|')).contains(QStringLiteral("Hold the bridge")));
    // Another hex takes it away; a drag never shows it.
    h.hover(301);
    QCOMPARE(viewer.shownHex(), -1);
    h.press(300);
    h.moveTo(MainFormHarness::centre(300), Qt::LeftButton);
    QTest::qWait(50);
    QCOMPARE(viewer.shownHex(), -1);
    h.release(300);
}

void TestMainFormFind::showCombatTellsWhichRecord() {
    MainFormHarness h;
    MoveFileContents theirs;
    theirs.counters = newgame::newGameRecords();
    theirs.tags = {{ZeKClick(500).position(), 4, "theirs"}};
    mutableGame(h.form->session()).open(theirs);
    h.hover(500);
    h.prompts->dialogScript = [](QDialog& d) {
        QTest::keyClicks(d.findChild<QLineEdit*>(QStringLiteral("combatComment")),
                         QStringLiteral("mine"));
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("combatBone")), Qt::LeftButton);
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("combatCancel")),
                          Qt::LeftButton);
        return d.result();
    };
    h.form->play().pmCOmbatClick();
    h.form->play().pmCOmbatClick();
    QStringList places;
    h.prompts->dialogScript = [&places](QDialog& d) {
        places << static_cast<TShowCombatDlg&>(d).place();
        return int(QDialog::Accepted);
    };
    h.form->play().pmShowCOmbatClick();
    const QString hex = QString::fromStdString(hexgrid::hexLabel(500));
    // The own rolls carry their numbers; the file's combat came with no dice record.
    QCOMPARE(places, QStringList({hex + QStringLiteral(" \u2013 your roll 1 \u2013 1 of 3"),
                                  hex + QStringLiteral(" \u2013 your roll 2 \u2013 2 of 3"),
                                  hex + QStringLiteral(" \u2013 opponent's roll \u2013 3 of 3")}));
}

void TestMainFormFind::everyCommandHasAKey() {
    MainFormHarness h;
    // Every tool-bar command names its key in its tool tip.
    for (QToolButton* button : h.form->findChildren<QToolButton*>()) {
        if (!button->isVisibleTo(h.form.get()) || button->objectName().startsWith(u"qt_"))
            continue;
        QAction* action = button->defaultAction();
        const QKeySequence keys = action ? action->shortcut() : button->shortcut();
        const QString tip = action ? action->toolTip() : button->toolTip();
        QVERIFY2(!keys.isEmpty(), qPrintable(button->objectName() + tip));
        QVERIFY2(tip.contains(keys.toString(QKeySequence::NativeText)), qPrintable(tip));
    }
    // No key does two things.
    QMap<QString, QString> owners;
    const auto claim = [&owners](const QKeySequence& keys, const QString& owner) {
        if (keys.isEmpty())
            return;
        const QString key = keys.toString();
        QVERIFY2(!owners.contains(key) || owners[key] == owner,
                 qPrintable(key + QLatin1Char(' ') + owner + QLatin1Char(' ') + owners[key]));
        owners[key] = owner;
    };
    for (QAction* action : h.form->findChildren<QAction*>())
        for (const QKeySequence& keys : action->shortcuts())
            claim(keys, action->objectName() + action->text());
    for (QAbstractButton* button : h.form->findChildren<QAbstractButton*>())
        claim(button->shortcut(), button->objectName());
    // Every control a player can reach has a name a screen reader can say.
    h.form->find().orderOfBattleDock().show();
    for (QWidget* w : h.form->findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(h.form.get()) ||
            w->objectName().startsWith(u"qt_") || qobject_cast<QAbstractButton*>(w))
            continue;
        QVERIFY2(!w->accessibleName().isEmpty(),
                 qPrintable(w->objectName() + QLatin1Char(' ') +
                            QLatin1String(w->metaObject()->className())));
    }
}

QTEST_MAIN(TestMainFormFind)
#include "tst_mainform_find.moc"
