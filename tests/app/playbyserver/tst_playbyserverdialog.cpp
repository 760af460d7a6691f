#include "app/playbyserver/playbyserverdialog.h"
#include "movefile/korvaextension.h"
#include "movefile/movefilewriter.h"
#include "movefile/newgamefile.h"
#include "netplay/servergames.h"
#include "tests/common/serverprocess.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// Play by server… as a player goes through it against the real server: register, make the
// saved game a server game, then a refused join, each step's outcome in the dialog's words.
class TestPlayByServerDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void registerCreateAndARefusedJoin();

private:
    QTemporaryDir dir_;
    QProcess server_;
    QString url_;
};

namespace {

template <class T> T* child(QWidget& dialog, const char* name) {
    T* found = dialog.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}

QString outcome(QWidget& dialog) {
    return child<QLabel>(dialog, "outcome")->text();
}

} // namespace

void TestPlayByServerDialog::initTestCase() {
    QVERIFY(dir_.isValid());
    // The token goes to a file in a data folder of the test's own.
    qputenv("XDG_DATA_HOME", dir_.filePath(QStringLiteral("data")).toLocal8Bit());
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qunsetenv("XDG_RUNTIME_DIR");
    const serverprocess::Listening listening = serverprocess::initAndStart(
        server_, QStringLiteral(KORVA_SERVER_PATH), dir_.filePath(QStringLiteral("server")));
    QVERIFY2(listening.port != 0, listening.said.constData());
    url_ = listening.url();
}

void TestPlayByServerDialog::cleanupTestCase() {
    server_.terminate();
    server_.waitForFinished();
}

void TestPlayByServerDialog::registerCreateAndARefusedJoin() {
    KorvaExtension block;
    block.gameId = GameId::generate();
    block.gameName = QStringLiteral("<b>Salerno</b>");
    block.turn = TurnRecord{};
    const QString saved = dir_.filePath(QStringLiteral("salerno.krv"));
    QFile file(saved);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(encodeMoveFile(newGameContents()) + encodeKorvaExtension(block));
    file.close();

    QString savedGame; // none until the game is saved
    PlayByServerDialog dialog(
        [&](QString* why) {
            *why = QStringLiteral("Save the game first");
            return savedGame;
        },
        nullptr);
    QSignalSpy taken(&dialog, &PlayByServerDialog::gameTaken);
    child<QComboBox>(dialog, "serverAddress")->setCurrentText(url_);
    QVERIFY(!child<QPushButton>(dialog, "createGame")->isEnabled());

    QTest::keyClicks(child<QLineEdit>(dialog, "playerName"), QStringLiteral("Alice"));
    child<QPushButton>(dialog, "register")->click();
    QVERIFY2(outcome(dialog).startsWith(QStringLiteral("Registered as ")) &&
                 outcome(dialog).contains(QStringLiteral("Alice")),
             qPrintable(outcome(dialog)));
    QVERIFY(!child<QPushButton>(dialog, "register")->isEnabled());

    child<QPushButton>(dialog, "createGame")->click();
    QCOMPARE(outcome(dialog), QStringLiteral("Save the game first"));
    savedGame = saved;
    child<QPushButton>(dialog, "createGame")->click();
    QVERIFY2(outcome(dialog).contains(QStringLiteral("Give your opponent this invite code: ")),
             qPrintable(outcome(dialog)));
    QCOMPARE(child<QLabel>(dialog, "outcome")->textFormat(), Qt::PlainText);
    QCOMPARE(taken.count(), 1);
    QVERIFY(ServerGames().find(*block.gameId)); // a server game in the window from now on

    QTest::keyClicks(child<QLineEdit>(dialog, "invite"), QStringLiteral("NOSUCHCODE"));
    child<QPushButton>(dialog, "join")->click();
    QVERIFY2(outcome(dialog).startsWith(QStringLiteral("The game was not joined: ")),
             qPrintable(outcome(dialog)));
    QCOMPARE(taken.count(), 1);
}

QTEST_MAIN(TestPlayByServerDialog)
#include "tst_playbyserverdialog.moc"
