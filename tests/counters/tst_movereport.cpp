#include "counters/countermgr.h"
#include "counters/movereport.h"

#include <QTest>

namespace {

// Board hexes used below: 1 is A13, 69 is B12, 1656 is Y0; 1725 and 1800 are off board.
ZeKCounter* add(ZeKCounterList& list, const std::string& name, int steps, int start, int current,
                int losses = 0, int marker = 0) {
    list.push_back(
        std::make_unique<ZeKCounter>(2000, steps, name, 1, start, current, losses, marker));
    return list.back().get();
}

QByteArray lines(std::initializer_list<const char*> texts) {
    QByteArray bytes;
    for (const char* text : texts)
        bytes += QByteArray(text) + "\r\n";
    return bytes;
}

} // namespace

class TestMoveReport : public QObject {
    Q_OBJECT
private slots:
    void exactText();
    void separator_data();
    void separator();
    void separatorWithTheOrderOfBattle();
    void reportName_data();
    void reportName();
};

void TestMoveReport::exactText() {
    ZeKCounterList list;
    add(list, "UK 6 Armor XX", 2, 1, 1);
    add(list, "Moved", 2, 1, 69, 1, 1);
    add(list, "Left the board", 0, 70, 1725);
    add(list, "Came on", 3, 1725, 1656, 3);
    add(list, "Stayed off", 0, 1725, 1800);
    add(list, "Turned", 1, 69, 70, 1, 2);
    add(list, "Czech 1 Ers ", 0, 2, 1656);
    add(list, "A name longer than twenty-two", 0, 1656, 1656);
    ZeKCounter* back = add(list, "Back", 0, 1, 1);
    back->moveTo(ZeKClick(2));
    back->moveTo(ZeKClick(1));

    const QByteArray expected = lines({
        "Unit                  From        To",
        "UK 6 Armor XX         A13         A13         2/0       did not move",
        "Moved                 A13         B12         2/1       ",
        "Left the board        B13         Off board   0/0       ",
        "Came on               Off board   Y0          3/3       ",
        "Turned                B12         B13         inverted  ",
        "Czech 1 Ers           A14         Y0          0/0       ",
        "A name longer than twenty-twoY0          Y0          0/0       did not move",
        "Back                  A13         A13         0/0       did not move",
    });
    const QByteArray report = moveReport(list);
    if (report != expected) {
        qWarning().noquote() << "\n" << report << "\n" << expected;
        QFAIL("report differs");
    }
}

void TestMoveReport::separator_data() {
    QTest::addColumn<int>("counters");
    QTest::addColumn<bool>("written");
    QTest::newRow("100") << 100 << false;
    QTest::newRow("101") << 101 << true;
    QTest::newRow("150") << 150 << true;
}

// The separator follows the 101st counter even when that counter has no line.
void TestMoveReport::separator() {
    QFETCH(int, counters);
    QFETCH(bool, written);
    ZeKCounterList list;
    for (int n = 1; n <= counters; ++n) {
        const int hex = n == 101 ? 1800 : 0;
        add(list, "U" + std::to_string(n), 0, hex, hex);
    }
    const QByteArray report = moveReport(list);
    const QByteArray separator = "\r\n" + QByteArray(37, '~') + "\r\n\r\n";
    QCOMPARE(report.count(separator), written ? 1 : 0);
    QCOMPARE(report.count(QByteArray(38, '~')), 0);
    if (written) {
        const QByteArray before =
            "U100                  A12         A12         0/0       did not move\r\n";
        QVERIFY(report.contains(before + separator));
        QVERIFY(!report.contains("U101"));
    }
}

void TestMoveReport::separatorWithTheOrderOfBattle() {
    const CounterMgr mgr;
    const QList<QByteArray> all = moveReport(mgr.counters()).split('\n');
    // Header, 101 lines, separator (3 lines), 133 lines, and the empty piece after the
    // last line end.
    QCOMPARE(all.size(), 1 + 101 + 3 + 133 + 1);
    QVERIFY(all[101].startsWith("Mon: Piceno "));
    QCOMPARE(all[102], QByteArray("\r"));
    QCOMPARE(all[103], QByteArray(37, '~') + "\r");
    QCOMPARE(all[104], QByteArray("\r"));
    QVERIFY(all[105].startsWith("Fort "));
}

void TestMoveReport::reportName_data() {
    QTest::addColumn<QString>("moveFile");
    QTest::addColumn<QString>("report");
    QTest::newRow("turn5.krv") << QStringLiteral("turn5.krv") << QStringLiteral("turn5.txt");
    QTest::newRow("turn5.x") << QStringLiteral("turn5.x") << QStringLiteral("turntxt");
    QTest::newRow("folder") << QStringLiteral("/games/t.krv") << QStringLiteral("/games/t.txt");
    QTest::newRow("4 characters") << QStringLiteral("abcd") << QStringLiteral("atxt");
    QTest::newRow("3 characters") << QStringLiteral(".kr") << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestMoveReport::reportName() {
    QFETCH(QString, moveFile);
    QFETCH(QString, report);
    QCOMPARE(reportFileName(moveFile), report);
}

QTEST_APPLESS_MAIN(TestMoveReport)
#include "tst_movereport.moc"
