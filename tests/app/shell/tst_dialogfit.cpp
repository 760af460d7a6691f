#include "app/shell/dialogfit.h"
#include "app/shell/korvasettings.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

// Dialogs open within their screen, and at the size they were last closed at.
class TestDialogFit : public QObject {
    Q_OBJECT
private slots:
    void fitted_data();
    void fitted();
    void dialogsFitTheirScreen();
    void sizeIsRemembered();
};

namespace {

class KeptDialog : public QDialog {
    Q_OBJECT
};

} // namespace

void TestDialogFit::fitted_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("fit"); // on a screen of 1600 x 900 at (0, 0)
    QTest::newRow("inside stays") << QRect(100, 100, 400, 300) << QRect(100, 100, 400, 300);
    QTest::newRow("too far right moves left")
        << QRect(534, 100, 1440, 500) << QRect(160, 100, 1440, 500);
    QTest::newRow("wider than the screen shrinks")
        << QRect(-50, 10, 1800, 200) << QRect(0, 10, 1600, 200);
    QTest::newRow("above the top comes down") << QRect(10, -40, 200, 100) << QRect(10, 0, 200, 100);
    QTest::newRow("below the foot goes up") << QRect(10, 850, 200, 100) << QRect(10, 800, 200, 100);
}

void TestDialogFit::fitted() {
    QFETCH(QRect, frame);
    QFETCH(QRect, fit);
    QCOMPARE(DialogFit::fitted(frame, QRect(0, 0, 1600, 900)), fit);
}

void TestDialogFit::dialogsFitTheirScreen() {
    KorvaSettings settings;
    DialogFit fit(settings, nullptr);
    qApp->installEventFilter(&fit);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // A fixed form placed by hand, and one grown by its content once shown.
    QDialog placed;
    placed.setGeometry(screen.right() - 100, screen.top() + 20, screen.width() / 2, 200);
    placed.show();
    QVERIFY(screen.contains(placed.frameGeometry()));
    QDialog growing;
    growing.setGeometry(screen.left() + 50, screen.top() + 50, 200, 100);
    growing.show();
    growing.resize(screen.width() * 2, 100);
    QVERIFY(screen.contains(growing.frameGeometry()));
    qApp->removeEventFilter(&fit);
}

void TestDialogFit::sizeIsRemembered() {
    QTemporaryDir folder;
    KorvaSettings settings(std::make_unique<QSettings>(
        folder.filePath(QStringLiteral("korva.conf")), QSettings::IniFormat));
    DialogFit fit(settings, nullptr);
    qApp->installEventFilter(&fit);
    const auto open = [] {
        auto dialog = std::make_unique<KeptDialog>();
        new QVBoxLayout(dialog.get());
        dialog->resize(300, 200);
        dialog->show();
        return dialog;
    };
    auto first = open();
    QCOMPARE(first->size(), QSize(300, 200));
    first->resize(420, 260);
    first->close();
    QCOMPARE(open()->size(), QSize(420, 260));
    // Qt's own dialogs size themselves to what they say.
    QDialog message;
    new QVBoxLayout(&message);
    message.resize(310, 110);
    message.show();
    message.close();
    QVERIFY(!settings.dialogSize(QStringLiteral("QDialog")).isValid());
    qApp->removeEventFilter(&fit);
}

QTEST_MAIN(TestDialogFit)
#include "tst_dialogfit.moc"
