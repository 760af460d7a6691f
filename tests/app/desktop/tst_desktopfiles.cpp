#include "app/shell/korvaapplication.h"
#include "app/shell/processlauncher.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The program's identity on the desktop, the move file's type as the desktop's own
// databases see it, and the launcher of the desktop's helper programs.
class TestDesktopFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void identity();
    void moveFileType_data();
    void moveFileType();
    void launcherOutcomes_data();
    void launcherOutcomes();

private:
    QTemporaryDir data_;
};

void TestDesktopFiles::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    // The type as installed: the package's XML in a data folder of its own, read before
    // the database is first used.
    QVERIFY(QDir(data_.path()).mkpath(QStringLiteral("mime/packages")));
    QVERIFY(QFile::copy(QStringLiteral(KORVA_MIME_XML),
                        data_.filePath(QStringLiteral("mime/packages/korva-mime.xml"))));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(data_.path()) + ":/usr/share");
}

void TestDesktopFiles::identity() {
    KorvaApplication::setIdentity();
    // Wayland finds the icon through the desktop file the window names.
    QVERIFY2(QFile::exists(QStringLiteral(KORVA_DESKTOP_DIR "/") +
                           QGuiApplication::desktopFileName() + QStringLiteral(".desktop")),
             qPrintable(QGuiApplication::desktopFileName()));
    QVERIFY(QSettings().fileName().endsWith(QStringLiteral("/Korva/Korva.conf")));
}

void TestDesktopFiles::moveFileType_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("isMoveFile");
    const QByteArray turn = QByteArray::fromHex("c78aa900ea000000") + QByteArray(64, '\0');
    QTest::newRow("by name") << QStringLiteral("turn.krv") << QByteArray("x") << true;
    QTest::newRow("by contents") << QStringLiteral("turn.dat") << turn << true;
    QTest::newRow("no name") << QString() << turn << true;
    QTest::newRow("other bytes") << QString() << QByteArray::fromHex("c78aa901ea000000") << false;
}

void TestDesktopFiles::moveFileType() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, isMoveFile);
    const QMimeDatabase db;
    QMimeType type;
    if (name.isEmpty()) {
        type = db.mimeTypeForData(bytes);
    } else {
        QFile file(data_.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        type = db.mimeTypeForFile(file.fileName());
    }
    QCOMPARE(type.name() == QStringLiteral("application/x-korva-move"), isMoveFile);
}

void TestDesktopFiles::launcherOutcomes_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("started");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("success") << QStringLiteral("sh")
                             << QStringList{QStringLiteral("-c"), QStringLiteral("exit 0")} << true
                             << 0;
    QTest::newRow("failure") << QStringLiteral("sh")
                             << QStringList{QStringLiteral("-c"), QStringLiteral("exit 3")} << true
                             << 3;
    QTest::newRow("crash") << QStringLiteral("sh")
                           << QStringList{QStringLiteral("-c"), QStringLiteral("kill -9 $$")}
                           << true << -1;
    QTest::newRow("missing") << QStringLiteral("korva-no-such-program") << QStringList() << false
                             << 0;
}

void TestDesktopFiles::launcherOutcomes() {
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(bool, started);
    QFETCH(int, exitCode);
    QProcessLauncher launcher;
    int calls = 0;
    ProcessLauncher::Outcome outcome;
    launcher.start(program, arguments, [&](const ProcessLauncher::Outcome& o) {
        ++calls;
        outcome = o;
    });
    QTRY_COMPARE(calls, 1);
    QCOMPARE(outcome.started, started);
    QCOMPARE(outcome.exitCode, exitCode);
    QCOMPARE(outcome.message.isEmpty(), started);
}

QTEST_MAIN(TestDesktopFiles)
#include "tst_desktopfiles.moc"
