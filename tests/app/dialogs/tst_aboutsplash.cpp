#include "app/dialogs/tfrmabout.h"
#include "app/dialogs/tsplash.h"

#include <QAbstractButton>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWindow>

class TestAboutSplash : public QObject {
    Q_OBJECT
private slots:
    void aboutWindow();
    void aboutTexts_data();
    void aboutTexts();
    void aboutClosesByKeyboardAndCloseBox_data();
    void aboutClosesByKeyboardAndCloseBox();
    void splashWindow();
    void splashPicture();
};

void TestAboutSplash::aboutWindow() {
    TfrmAbout about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QCOMPARE(about.size(), QSize(368, 269));
    QCOMPARE(about.pos(), QPoint(347, 267));
    QCOMPARE(about.font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(about.font().pixelSize(), 11);
    QVERIFY(about.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(about.windowFlags().testFlag(Qt::WindowMinMaxButtonsHint));
    QVERIFY(about.findChildren<QAbstractButton*>().isEmpty());
    QCOMPARE(about.findChildren<QLabel*>().size(), 10);
}

void TestAboutSplash::aboutTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<QString>("text"); // empty: the program's own credit, any non-empty text
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");

    const QString bookman = QStringLiteral("Bookman Old Style");
    const QString sans = QStringLiteral("MS Sans Serif");
    QTest::newRow("StaticText1") << "StaticText1" << QPoint(144, 17) << "Korva" << bookman << 16
                                 << true;
    QTest::newRow("StaticText2") << "StaticText2" << QPoint(80, 40) << "" << bookman << 11 << false;
    QTest::newRow("StaticText3") << "StaticText3" << QPoint(32, 64)
                                 << "Program by                    : " << bookman << 11 << false;
    QTest::newRow("StaticText4") << "StaticText4" << QPoint(200, 64) << "" << bookman << 11 << true;
    QTest::newRow("StaticText5") << "StaticText5" << QPoint(32, 88)
                                 << "Map and counters by       : " << bookman << 11 << false;
    QTest::newRow("StaticText6") << "StaticText6" << QPoint(200, 88) << "" << bookman << 11 << true;
    QTest::newRow("StaticText7") << "StaticText7" << QPoint(0, 207) << "12DEC99" << bookman << 11
                                 << false;
    QTest::newRow("StaticText8") << "StaticText8" << QPoint(56, 183) << "" << sans << 11 << false;
    QTest::newRow("StaticText9") << "StaticText9" << QPoint(32, 127)
                                 << "This program is intended as a PBeM aid for owners of the "
                                 << sans << 11 << false;
    QTest::newRow("StaticText10") << "StaticText10" << QPoint(32, 143) << "" << sans << 11 << false;
}

void TestAboutSplash::aboutTexts() {
    QFETCH(QString, name);
    QFETCH(QPoint, place);
    QFETCH(QString, text);
    QFETCH(QString, family);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);

    TfrmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QLabel* label = about.findChild<QLabel*>(name);
    QVERIFY(label);
    QCOMPARE(label->pos(), place);
    if (text.isEmpty())
        QVERIFY(!label->text().trimmed().isEmpty());
    else
        QCOMPARE(label->text(), text);
    QCOMPARE(label->font().family(), family);
    QCOMPARE(label->font().pixelSize(), pixelSize);
    QCOMPARE(label->font().bold(), bold);

    if (name == QLatin1String("StaticText7")) {
        QCOMPARE(label->size(), QSize(57, 19));
        QCOMPARE(label->frameShape(), QFrame::Box);
        QCOMPARE(label->alignment(), Qt::AlignCenter);
    } else {
        QCOMPARE(label->frameShape(), QFrame::NoFrame);
        QCOMPARE(label->size(), label->sizeHint());
    }
    // Nothing is cut off by the window's edge.
    QVERIFY2(about.rect().contains(label->geometry()), qPrintable(name));
}

void TestAboutSplash::aboutClosesByKeyboardAndCloseBox_data() {
    QTest::addColumn<bool>("byKey");
    QTest::newRow("Esc") << true;
    QTest::newRow("close box") << false;
}

void TestAboutSplash::aboutClosesByKeyboardAndCloseBox() {
    QFETCH(bool, byKey);

    TfrmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    if (byKey)
        QTest::keyClick(&about, Qt::Key_Escape);
    else
        about.windowHandle()->close();
    QVERIFY(!about.isVisible());
}

void TestAboutSplash::splashWindow() {
    TSplash splash;
    const Qt::WindowFlags flags = splash.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::SplashScreen);
    QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(splash.windowTitle(), QStringLiteral("Splash"));
    QCOMPARE(splash.size(), QSize(268, 269));
    QCOMPARE(splash.font().pixelSize(), 11);

    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    const QRect screen = splash.screen()->geometry();
    QVERIFY(qAbs(splash.frameGeometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(splash.frameGeometry().center().y() - screen.center().y()) <= 1);

    const auto* panel = splash.findChild<QFrame*>(QStringLiteral("splashPanel1"));
    QVERIFY(panel);
    QCOMPARE(panel->geometry(), QRect(0, 0, 268, 269));
    QCOMPARE(panel->frameShape(), QFrame::Panel);
    QCOMPARE(panel->frameShadow(), QFrame::Sunken);
    QCOMPARE(panel->lineWidth(), 2);
    const auto* image = splash.findChild<QLabel*>(QStringLiteral("splashImage1"));
    QVERIFY(image);
    QCOMPARE(image->parentWidget(), panel);
    QCOMPARE(image->geometry(), QRect(4, 4, 260, 260));
}

void TestAboutSplash::splashPicture() {
    QImage picture(260, 260, QImage::Format_RGB32);
    picture.fill(QColor(10, 120, 30));
    picture.setPixel(259, 259, qRgb(200, 10, 10));
    TSplash splash(picture);
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));

    // What the player sees: the picture's corners at the image's place in the window.
    QImage seen = splash.grab().toImage();
    QCOMPARE(seen.pixel(4, 4), qRgb(10, 120, 30));
    QCOMPARE(seen.pixel(4 + 259, 4 + 259), qRgb(200, 10, 10));

    picture.fill(QColor(0, 0, 200));
    splash.setPicture(picture);
    seen = splash.grab().toImage();
    QCOMPARE(seen.pixel(100, 100), qRgb(0, 0, 200));
}

QTEST_MAIN(TestAboutSplash)
#include "tst_aboutsplash.moc"
