#include "app/games/desktopnotifier.h"

#include <QDBusMessage>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

// The desktop's notification service as freedesktop.org defines it, on a
// private bus: it records each notification and answers an id.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call {
        QString summary;
        QString body;
        QStringList actions;
    };
    std::vector<Call> calls;
    QStringList capabilities{QStringLiteral("actions"), QStringLiteral("body-markup")};

public slots:
    QStringList GetCapabilities() { return capabilities; }
    uint Notify(const QString&, uint, const QString&, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap&, int) {
        calls.push_back({summary, body, actions});
        return uint(40 + calls.size());
    }
};

// Notifications over D-Bus: what goes to the service, a click that opens the file, and the
// notice in their place when no service answers.
class TestDesktopNotifier : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void clickOpensTheFile();
    void markupOnlyWhereTaken_data();
    void markupOnlyWhereTaken();
    void noServiceSaysSo();

private:
    void invoke(uint id, const QString& action);

    QProcess bus_;
    QString address_;
    FakeNotifications fake_;
};

void TestDesktopNotifier::initTestCase() {
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty())
        QSKIP("dbus-daemon is not installed (scripts/install-deps.sh test installs it)");
    bus_.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                        QStringLiteral("--print-address")});
    QVERIFY(bus_.waitForReadyRead(10000));
    address_ = QString::fromUtf8(bus_.readLine()).trimmed();
    QVERIFY(!address_.isEmpty());
    QDBusConnection service = QDBusConnection::connectToBus(address_, QStringLiteral("service"));
    QVERIFY(service.isConnected());
    QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &fake_,
                                   QDBusConnection::ExportAllSlots));
    QVERIFY(service.registerService(QStringLiteral("org.freedesktop.Notifications")));
}

void TestDesktopNotifier::cleanupTestCase() {
    QDBusConnection::disconnectFromBus(QStringLiteral("service"));
    QDBusConnection::disconnectFromBus(QStringLiteral("player"));
    bus_.kill();
    bus_.waitForFinished();
}

void TestDesktopNotifier::invoke(uint id, const QString& action) {
    QDBusMessage signal = QDBusMessage::createSignal(
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("ActionInvoked"));
    signal << id << action;
    QVERIFY(QDBusConnection(QStringLiteral("service")).send(signal));
}

void TestDesktopNotifier::clickOpensTheFile() {
    DesktopNotifier notifier(QDBusConnection::connectToBus(address_, QStringLiteral("player")));
    QSignalSpy opened(&notifier, &DesktopNotifier::activated);
    QSignalSpy unavailable(&notifier, &DesktopNotifier::unavailable);
    QSignalSpy shown(&notifier, &DesktopNotifier::shown);
    notifier.notify(QStringLiteral("New move from Bob"), QStringLiteral("<b>Salerno</b>: Turn 3"),
                    QStringLiteral("/downloads/salerno_t03.krv"));
    QTRY_COMPARE(fake_.calls.size(), std::size_t{1});
    QCOMPARE(fake_.calls[0].summary, QStringLiteral("New move from Bob"));
    // The service may read the body as markup: a name from a file stays text.
    QCOMPARE(fake_.calls[0].body, QStringLiteral("&lt;b&gt;Salerno&lt;/b&gt;: Turn 3"));
    QVERIFY(fake_.calls[0].actions.contains(QStringLiteral("default")));

    // Another action, another notification's click: nothing opens; this one's click does.
    QTRY_COMPARE(shown.size(), 1);
    invoke(41, QStringLiteral("dismiss"));
    invoke(99, QStringLiteral("default"));
    invoke(41, QStringLiteral("default"));
    QTRY_COMPARE(opened.size(), 1);
    QCOMPARE(opened.first().first().toString(), QStringLiteral("/downloads/salerno_t03.krv"));
    QCOMPARE(unavailable.size(), 0);
}

void TestDesktopNotifier::markupOnlyWhereTaken_data() {
    QTest::addColumn<QStringList>("capabilities");
    QTest::addColumn<QString>("body");
    const QString plain = QStringLiteral("\u201CTom & Jerry <i>\u201D: Turn 3");
    QTest::newRow("markup") << QStringList{QStringLiteral("body-markup")}
                            << QStringLiteral("\u201CTom &amp; Jerry &lt;i&gt;\u201D: Turn 3");
    QTest::newRow("plain text") << QStringList{QStringLiteral("actions")} << plain;
    QTest::newRow("nothing said") << QStringList() << plain;
}

void TestDesktopNotifier::markupOnlyWhereTaken() {
    QFETCH(QStringList, capabilities);
    fake_.capabilities = capabilities;
    fake_.calls.clear();
    DesktopNotifier notifier(QDBusConnection::connectToBus(address_, QStringLiteral("player")));
    notifier.notify(QStringLiteral("New move"),
                    QStringLiteral("\u201CTom & Jerry <i>\u201D: Turn 3"), {});
    QTRY_COMPARE(fake_.calls.size(), std::size_t{1});
    QTEST(fake_.calls[0].body, "body");
    // The summary is never taken for markup, so it goes as it is.
    QCOMPARE(fake_.calls[0].summary, QStringLiteral("New move"));
}

void TestDesktopNotifier::noServiceSaysSo() {
    QVERIFY(QDBusConnection(QStringLiteral("service"))
                .unregisterService(QStringLiteral("org.freedesktop.Notifications")));
    DesktopNotifier notifier(QDBusConnection::connectToBus(address_, QStringLiteral("player")));
    QSignalSpy unavailable(&notifier, &DesktopNotifier::unavailable);
    notifier.notify(QStringLiteral("New move from Bob"), QStringLiteral("Salerno"), {});
    QTRY_COMPARE(unavailable.size(), 1);
    // No bus at all: at once.
    DesktopNotifier busless(QDBusConnection(QStringLiteral("no such bus")));
    QSignalSpy none(&busless, &DesktopNotifier::unavailable);
    busless.notify(QStringLiteral("New move from Bob"), QStringLiteral("Salerno"), {});
    QCOMPARE(none.size(), 1);
}

QTEST_GUILESS_MAIN(TestDesktopNotifier)
#include "tst_desktopnotifier.moc"
