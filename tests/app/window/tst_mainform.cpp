#include "app/shell/korvaapplication.h"
#include "app/window/latesplash.h"
#include "tests/app/mainformharness.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolButton>

// The main window as a player first sees it, and its status bar.
class TestMainForm : public QObject {
    Q_OBJECT
private slots:
    void captionAndControls_data();
    void captionAndControls();
    void bannerDefaults();
    void keyboardShortcuts();
    void popupMenuEntries();
    void statusFollowsPointer();
    void statusUnchangedWithinOneHex();
    void statusForCounters();
    void fileTitle_data();
    void fileTitle();
    void splashGoneWhenShown();
    void splashOnlyWhenLate_data();
    void splashOnlyWhenLate();
    void exceptionFromHandlerIsReported();
    void placeComesBack_data();
    void placeComesBack();
};

void TestMainForm::captionAndControls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("sbOpen") << QStringLiteral("sbOpen") << QRect(10, 5, 24, 24)
                            << QStringLiteral("Open") << true;
    QTest::newRow("sbSave") << QStringLiteral("sbSave") << QRect(34, 5, 24, 24)
                            << QStringLiteral("Save") << true;
    QTest::newRow("sbUndo") << QStringLiteral("sbUndo") << QRect(71, 5, 24, 24)
                            << QStringLiteral("Undo last move") << false;
    QTest::newRow("sbMoveAll") << QStringLiteral("sbMoveAll") << QRect(95, 5, 24, 24)
                               << QStringLiteral("Move All") << true;
    QTest::newRow("SpeedButton1") << QStringLiteral("SpeedButton1") << QRect(744, 5, 24, 24)
                                  << QStringLiteral("Hide Combat Tags") << true;
    QTest::newRow("sbAbout") << QStringLiteral("sbAbout") << QRect(772, 5, 24, 24)
                             << QStringLiteral("About") << true;
}

void TestMainForm::captionAndControls() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, hint);
    QFETCH(bool, enabled);
    MainFormHarness h;
    QCOMPARE(h.form->windowTitle(), QStringLiteral("Korva"));
    auto* button = h.form->findChild<QToolButton*>(name);
    QVERIFY(button);
    QCOMPARE(button->geometry(), geometry);
    // The hint, then the key that reaches the button's command.
    QCOMPARE(button->toolTip(),
             QStringLiteral("%1 (%2)").arg(
                 hint, button->defaultAction()->shortcut().toString(QKeySequence::NativeText)));
    QCOMPARE(button->isEnabled(), enabled);
    QCOMPARE(button->isCheckable(), name == QStringLiteral("sbMoveAll"));
}

void TestMainForm::bannerDefaults() {
    MainFormHarness h;
    const struct {
        const char* name;
        int maxLength;
        QString text;
        QRect geometry;
    } edits[] = {
        {"bEdit1", 42, QString(32, QLatin1Char(' ')) + QStringLiteral("Korva"), {126, 5, 300, 23}},
        {"bEdit2",
         42,
         QString(25, QLatin1Char(' ')) + QStringLiteral("Tarrowfen"),
         {436, 5, 300, 23}},
        {"bEdit3", 110, QString(61, QLatin1Char(' ')), {10, 34, 782, 23}},
    };
    for (const auto& e : edits) {
        auto* edit = h.form->findChild<QLineEdit*>(QLatin1String(e.name));
        QVERIFY(edit);
        QCOMPARE(edit->maxLength(), e.maxLength);
        QVERIFY(edit->text().startsWith(e.text));
        QCOMPARE(edit->geometry(), e.geometry);
    }
    QCOMPARE(h.form->findChild<QLineEdit*>(QStringLiteral("bEdit3"))->text().size(), 90);
    // Only what the move file can hold may be typed.
    auto* edit1 = h.form->findChild<QLineEdit*>(QStringLiteral("bEdit1"));
    edit1->clear();
    edit1->insert(QStringLiteral("Anzio \u00e9t\u00e9"));
    edit1->insert(QStringLiteral(" \u0416"));
    QCOMPARE(edit1->text(), QStringLiteral("Anzio \u00e9t\u00e9"));
}

void TestMainForm::keyboardShortcuts() {
    MainFormHarness h;
    const auto shortcut = [&](const char* name) {
        return h.form->findChild<QToolButton*>(QLatin1String(name))->defaultAction()->shortcut();
    };
    QCOMPARE(shortcut("sbOpen"), QKeySequence(Qt::CTRL | Qt::Key_O));
    QCOMPARE(shortcut("sbSave"), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(shortcut("sbUndo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
}

void TestMainForm::popupMenuEntries() {
    MainFormHarness h;
    QStringList texts;
    for (const QAction* action : h.form->play().popupMenu().actions())
        texts << action->objectName() + QLatin1Char('=') + action->text();
    QCOMPARE(texts, QStringList({QStringLiteral("pmFlip=Flip"), QStringLiteral("pmNew=Tag"),
                                 QStringLiteral("pmReturn=Return to start hex"),
                                 QStringLiteral("pmCOmbat=Combat"),
                                 QStringLiteral("pmShowCOmbat=Show Combat")}));
}

void TestMainForm::statusFollowsPointer() {
    MainFormHarness h;
    QCOMPARE(h.form->play().lastHex(), -1);
    h.hover(0);
    QCOMPARE(h.form->play().statusText(1), QStringLiteral("Hex : A12"));
    QCOMPARE(h.form->play().lastHex(), 0);
    h.hover(69);
    QCOMPARE(h.form->play().statusText(1), QStringLiteral("Hex : B12"));
    h.hover(1727); // column 25
    QCOMPARE(h.form->play().statusText(1), QStringLiteral("Off board"));
    // Right after start-up every hex is empty: only the first panel is filled.
    QCOMPARE(h.form->play().statusText(2), QString());
    QCOMPARE(h.form->play().statusText(3), QString());
}

void TestMainForm::statusUnchangedWithinOneHex() {
    MainFormHarness h;
    h.hover(1000);
    h.place(1, 1000);
    h.rebuild();
    // Still inside hex 1000: the panels are not rebuilt although the stack changed.
    h.moveTo(MainFormHarness::centre(1000) + QPoint(3, 4));
    QCOMPARE(h.form->play().statusText(2), QString());
    h.hover(1001);
    h.hover(1000);
    QCOMPARE(h.form->play().statusText(2), QStringLiteral("Yet to move"));
}

void TestMainForm::statusForCounters() {
    MainFormHarness h;
    h.place(1, 1000);         // UK 6 Armor XX
    h.place(2, 1000);         // UK 7 Armor XX, on top
    h.place(3, 1800, 50);     // moved off board
    h.place(180, 1200, 1200); // Czech 1 Ers (trailing space)
    h.rebuild();
    h.hover(1000);
    QCOMPARE(h.form->play().statusText(2), QStringLiteral("Yet to move"));
    QCOMPARE(h.form->play().statusText(3),
             QStringLiteral("UK 7 Armor XX ; Partial Step/Loss = 2/0"));
    h.hover(1800);
    QCOMPARE(h.form->play().statusText(1), QStringLiteral("Off board"));
    QCOMPARE(h.form->play().statusText(2), QStringLiteral("Has Moved"));
    QCOMPARE(h.form->play().statusText(3),
             QStringLiteral("UK 52 Mnt XX ; Partial Step/Loss = 1/0"));
    h.hover(1200);
    QCOMPARE(h.form->play().statusText(3),
             QStringLiteral("Czech 1 Ers  ; Partial Step/Loss = 0/0"));
    h.hover(1001);
    QCOMPARE(h.form->play().statusText(2), QString());
    QCOMPARE(h.form->play().statusText(3), QString());
}

void TestMainForm::fileTitle_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::newRow("folder") << QStringLiteral("/games/turn3.krv") << QStringLiteral("turn3");
    QTest::newRow("no folder") << QStringLiteral("turn3.krv") << QStringLiteral("turn3");
    QTest::newRow("one letter") << QStringLiteral("/a/b.krv") << QStringLiteral("b");
    QTest::newRow("four characters") << QStringLiteral("/a/b.kr") << QString();
    QTest::newRow("other extension") << QStringLiteral("/a/turn5.x") << QStringLiteral("tur");
}

void TestMainForm::fileTitle() {
    QFETCH(QString, path);
    QFETCH(QString, title);
    QCOMPARE(Session::fileTitle(path), title);
}

void TestMainForm::splashGoneWhenShown() {
    auto* splash = new QWidget;
    Splash = splash;
    QPointer<QWidget> watch(splash);
    MainFormHarness h;
    QVERIFY(watch);
    h.form->show();
    QVERIFY(!watch);
    QVERIFY(!Splash);
    h.form->hide();
    h.form->show(); // a later showing finds nothing to destroy
    QVERIFY(!Splash);
}

void TestMainForm::splashOnlyWhenLate_data() {
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<bool>("shown");
    QTest::newRow("quick start") << 60000 << false;
    QTest::newRow("slow start") << 0 << true;
}

void TestMainForm::splashOnlyWhenLate() {
    QFETCH(int, delayMs);
    QFETCH(bool, shown);
    int drawn = 0;
    LateSplash splash(
        [&drawn] {
            ++drawn;
            return QImage();
        },
        delayMs);
    splash.showIfLate();
    splash.showIfLate(); // once, however often asked
    QCOMPARE(bool(Splash), shown);
    QCOMPARE(drawn, shown ? 1 : 0);
    MainFormHarness h;
    h.form->show();
    QVERIFY(!Splash);
}

void TestMainForm::exceptionFromHandlerIsReported() {
    QStringList reported;
    KorvaApplication::setExceptionReporter([&](const QString& m) { reported << m; });
    MainFormHarness h;
    QObject thrower;
    QObject::connect(h.form->findChild<QToolButton*>(QStringLiteral("SpeedButton1")),
                     &QToolButton::clicked, &thrower,
                     [] { throw ResourceError(QStringLiteral("korva_1.dll"), 16011); });
    // KorvaApplication is the application in the program; here notify is called directly.
    auto* app = static_cast<KorvaApplication*>(QCoreApplication::instance());
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    auto* button = h.form->findChild<QToolButton*>(QStringLiteral("SpeedButton1"));
    app->notify(button, &press);
    app->notify(button, &release);
    QCOMPARE(reported, QStringList{QStringLiteral("Picture 16011 is missing from korva_1.dll")});
    KorvaApplication::setExceptionReporter({});
}

void TestMainForm::placeComesBack_data() {
    QTest::addColumn<QRect>("closedAt"); // empty: never shown before
    QTest::addColumn<bool>("firstPlace");
    QTest::newRow("first run") << QRect() << true;
    QTest::newRow("at the top") << QRect(0, 0, 810, 574) << false;
    QTest::newRow("moved") << QRect(300, 200, 700, 500) << false;
    QTest::newRow("off every screen") << QRect(-9000, -9000, 700, 500) << true;
}

// The window opens where it was closed, to the pixel, or at its own first place.
void TestMainForm::placeComesBack() {
    QFETCH(QRect, closedAt);
    QFETCH(bool, firstPlace);
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("korva.conf"));
    QRect closed;
    if (!closedAt.isEmpty()) {
        MainFormHarness h(1, settings);
        h.form->setGeometry(closedAt);
        h.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
        closed = h.form->geometry(); // as the platform placed it
        QVERIFY(h.form->close());
    }
    MainFormHarness h(1, settings);
    h.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
    if (firstPlace)
        QCOMPARE(h.form->pos(), QPoint(356, 157));
    else
        QCOMPARE(h.form->geometry(), closed);
}

int main(int argc, char** argv) {
    KorvaApplication app(argc, argv);
    TestMainForm test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mainform.moc"
