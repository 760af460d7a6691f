#include "app/dialogs/gamesetupdialog.h"
#include "app/export/animationdialog.h"
#include "app/games/watchfoldersdialog.h"
#include "app/shell/commandtable.h"
#include "app/turn/gamedicedialog.h"
#include "app/turn/goturndialog.h"
#include "tests/app/mainformharness.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#ifdef KORVA_ACCESSIBILITY_SWITCH
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#endif

// What a screen reader finds: a name on every control that takes the keyboard, and the hex
// cursor told as it moves.
class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void everyControlIsNamed();
    void cursorIsAnnounced_data();
    void cursorIsAnnounced();
    void partsNamedByWhatTheySay();
    void foundHexIsAnnounced();
};

namespace {

QString nameOf(QWidget& w) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&w);
    return face ? face->text(QAccessible::Name).trimmed() : QString();
}

// The controls under `top` that take the keyboard but have no accessible name, as
// "where: class objectName".
QStringList unnamedControls(QWidget& top, const QString& where) {
    QStringList found;
    QList<QWidget*> widgets = top.findChildren<QWidget*>();
    widgets.prepend(&top);
    for (QWidget* w : widgets) {
        // Hidden ones too: the opponent's note shows only when there is one.
        if (w->focusPolicy() == Qt::NoFocus || w->window() != &top)
            continue;
        // A spin box's field is told as the spin box.
        QWidget* parent = w->parentWidget();
        QWidget* told =
            parent && (parent->focusProxy() == w || w->focusProxy() == parent) ? parent : w;
        if (nameOf(*w).isEmpty() && nameOf(*told).isEmpty())
            found << QStringLiteral("%1: %2 %3")
                         .arg(where, QString::fromLatin1(w->metaObject()->className()),
                              w->objectName());
    }
    return found;
}

// Switches Qt's accessibility on as a listening screen reader does; false where this build
// cannot.
bool listenAsAScreenReader() {
#ifdef KORVA_ACCESSIBILITY_SWITCH
    if (QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility())
        platform->setActive(true);
#endif
    return QAccessible::isActive();
}

QStringList announcements;

void recordNameChanges(QAccessibleEvent* event) {
    if (event->type() != QAccessible::NameChanged)
        return;
    if (QAccessibleInterface* face = event->accessibleInterface())
        announcements << face->text(QAccessible::Name);
}

} // namespace

void TestAccessibility::everyControlIsNamed() {
    MainFormHarness h;
    h.form->resize(810, 574);
    h.form->show();
    QStringList unnamed;
    QStringList seen;
    h.prompts->dialogScript = [&](QDialog& dialog) {
        seen << QString::fromLatin1(dialog.metaObject()->className());
        unnamed << unnamedControls(dialog, seen.back());
        return int(QDialog::Rejected);
    };
    CommandTable& commands = h.form->commands();
    // The docks and bars that start hidden, shown as their commands show them.
    for (const Command c : {Command::OrderOfBattle, Command::TurnList, Command::TurnEdits,
                            Command::Find, Command::ReplayTurn})
        commands.action(c)->trigger();
    unnamed << unnamedControls(*h.form, QStringLiteral("window"));

    // Every dialog a command opens; Show Combat needs a combat at the hex pointed at.
    h.hover(hexgrid::hexIndexOf(4, 4));
    h.form->session().addCombat(hexgrid::hexIndexOf(4, 4), 3, "x");
    for (const Command c : {Command::About, Command::GameSetup, Command::EditNote, Command::Combat,
                            Command::ShowCombat, Command::ExportPicture, Command::ExportTurnPage,
                            Command::ExportAnimation, Command::Games})
        commands.action(c)->trigger();
    // The dialogs that need a history of the game, and New Game's setup, made directly; the
    // games dialog stays open.
    GameSetupDialog newGame(GameSetupDialog::Mode::NewGame, TurnOrder(), {}, h.form.get());
    GoToTurnDialog goToTurn({TurnStart{}}, 0, h.form.get());
    GameDiceDialog gameDice(h.form.get());
    AnimationDialog animation(3, QStringLiteral("game"), h.form.get());
    WatchFoldersDialog watched({QStringLiteral("/tmp")}, h.form.get());
    for (QDialog* dialog : h.form->findChildren<QDialog*>())
        unnamed << unnamedControls(*dialog, QString::fromLatin1(dialog->metaObject()->className()));
    // Each command really opened its dialog (the animation's needs a history: made above).
    QCOMPARE(seen, (QStringList{QStringLiteral("TfrmAbout"), QStringLiteral("GameSetupDialog"),
                                QStringLiteral("NoteEditor"), QStringLiteral("TCombat"),
                                QStringLiteral("TShowCombatDlg"), QStringLiteral("PictureDialog"),
                                QStringLiteral("PageDialog")}));
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char('\n'))));
}

void TestAccessibility::cursorIsAnnounced_data() {
    QTest::addColumn<int>("stacked");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<QString>("announced");
    QTest::newRow("empty") << 0 << false << QStringLiteral("Hex : G18, empty");
    QTest::newRow("one, not moved")
        << 1 << false << QStringLiteral("Hex : G18, UK 6 Armor XX, yet to move");
    QTest::newRow("three, moved") << 3 << true
                                  << QStringLiteral("Hex : G18, UK 52 Mnt XX and 2 more, moved");
}

void TestAccessibility::cursorIsAnnounced() {
    QFETCH(int, stacked);
    QFETCH(bool, moved);
    QFETCH(QString, announced);
    MainFormHarness h;
    h.form->files().NewGame(); // the placeholder hexes empty
    const int hex = hexgrid::hexIndexOf(6, 9);
    for (int row = 1; row <= stacked; ++row)
        h.place(row, hex, moved ? hexgrid::hexIndexOf(1, 1) : hex);
    h.rebuild();
    // A combat's comment is the opponent's text: never said as Korva's.
    h.form->session().addCombat(hex, 3, "Korva: your opponent resigned, moved");
    h.hover(hex);
    announcements.clear();
    const bool listening = listenAsAScreenReader();
    QAccessible::installUpdateHandler(recordNameChanges);
    h.form->commands().action(Command::CursorRight)->trigger(); // shows the cursor there
    QAccessible::installUpdateHandler(nullptr);
    QCOMPARE(QAccessible::queryAccessibleInterface(&h.map())->text(QAccessible::Name), announced);
    // The mouse takes over: the map has its own name back.
    h.hover(hexgrid::hexIndexOf(9, 9));
    QCOMPARE(h.map().accessibleName(), QStringLiteral("Map"));
    if (!listening)
        QSKIP("Qt's accessibility cannot be switched on in this build: names checked only");
    QCOMPARE(announcements, QStringList{announced});
}

void TestAccessibility::partsNamedByWhatTheySay() {
    MainFormHarness h;
    h.form->resize(810, 574);
    h.form->show();
    h.form->commands().action(Command::Find)->trigger();
    h.hover(0);
    // The status bar's sections say where the pointer is; each tells what it is too.
    QStatusBar& status = *h.form->statusBar();
    QCOMPARE(nameOf(status), QStringLiteral("Status bar"));
    auto* hex = status.findChild<QLabel*>(QStringLiteral("bStatusPanel1"));
    QCOMPARE(nameOf(*hex), QStringLiteral("Hex : A12"));
    QCOMPARE(hex->accessibleDescription(), QStringLiteral("Hex"));
    // Find's clear button, and the button each tool bar keeps for what does not fit.
    auto* find = h.form->findChild<QLineEdit*>(QStringLiteral("bFindEdit"));
    const QList<QToolButton*> clear = find->findChildren<QToolButton*>();
    QCOMPARE(clear.size(), 1);
    QCOMPARE(nameOf(*clear.first()), QStringLiteral("Clear the search"));
    QStringList bars;
    for (QToolBar* bar : h.form->findChildren<QToolBar*>()) {
        auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
        QVERIFY(more);
        bars << bar->accessibleName() + QStringLiteral(": ") + nameOf(*more);
    }
    bars.sort();
    QCOMPARE(bars,
             (QStringList{QStringLiteral("Korva tool bar: More of the Korva tool bar"),
                          QStringLiteral("Replay tool bar: More of the Replay tool bar"),
                          QStringLiteral("The turn tool bar: More of the The turn tool bar")}));
}

void TestAccessibility::foundHexIsAnnounced() {
    MainFormHarness h;
    h.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
    const int hex = hexgrid::hexIndexOf(6, 9);
    h.place(1, hex);
    h.rebuild();
    h.form->commands().action(Command::Find)->trigger();
    auto* find = h.form->findChild<QLineEdit*>(QStringLiteral("bFindEdit"));
    find->setText(QStringLiteral("UK 6 Armor"));
    QTest::keyClick(find, Qt::Key_Return);
    // The map takes the keyboard named for the hex found, not as "Map".
    QTRY_VERIFY(h.map().hasFocus());
    QCOMPARE(nameOf(h.map()), QStringLiteral("Hex : G18, UK 6 Armor XX, yet to move"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
