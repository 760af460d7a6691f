#include "countermgr.h"
#include "hexgrid.h"
#include "newgamelayout.h"
#include "zekcounter.h"

#include <QTest>

#include <set>

using namespace newgame;

// Where a new game sets the counters out, and how a placeholder position is told.
class TestNewGameLayout : public QObject {
    Q_OBJECT
private slots:
    void everyCounterOffBoardOnePerHex();
    void groupsByNationOrFormation();
    void groupsInOrderWithGaps_data();
    void groupsInOrderWithGaps();
    void placeholderPosition();
};

void TestNewGameLayout::everyCounterOffBoardOnePerHex() {
    const std::vector<CounterRecord> records = newGameRecords();
    QCOMPARE(int(records.size()), 234);
    std::set<int> hexes;
    std::set<int> sideColumns[2];
    for (std::size_t i = 0; i < records.size(); ++i) {
        const CounterRecord& r = records[i];
        QVERIFY2(hexgrid::isValidHex(r.currentHex) && !hexgrid::isOnBoard(r.currentHex),
                 qPrintable(QString::number(i + 1)));
        QCOMPARE(r.startHex, r.currentHex);
        QCOMPARE(r.losses, 0);
        QCOMPARE(r.marker, 0);
        QVERIFY2(hexes.insert(r.currentHex).second, "two counters in one hex");
        sideColumns[i < kFirstSideRows ? 0 : 1].insert(hexgrid::columnOf(r.currentHex));
    }
    for (const int column : sideColumns[0])
        QVERIFY2(!sideColumns[1].contains(column), "the sides share a column");
}

void TestNewGameLayout::groupsByNationOrFormation() {
    const auto names = [](bool firstSide) {
        QStringList result;
        for (const CounterGroup& group : counterGroups(firstSide))
            result << QString::fromStdString(group.name);
        return result.join(QLatin1Char(' '));
    };
    // "US-Cdn 1 SSF" is with the US; "FA: Nembo/185" of the second side is German.
    QCOMPARE(names(true),
             QStringLiteral("UK NZ US SA Fr Pol Ind Braz Greek Cdn Jew P Rome FA Mon"));
    QCOMPARE(names(false), QStringLiteral("Fort German Rep Port Marker"));
    QCOMPARE(counterGroups(true)[2].rows.size(), std::size_t{23});
    QCOMPARE(counterGroups(false)[2].rows.size(), std::size_t{8});
}

void TestNewGameLayout::groupsInOrderWithGaps_data() {
    QTest::addColumn<bool>("firstSide");
    QTest::newRow("first side") << true;
    QTest::newRow("second side") << false;
}

void TestNewGameLayout::groupsInOrderWithGaps() {
    QFETCH(bool, firstSide);
    const HoldingBand band = firstSide ? kFirstSideBand : kSecondSideBand;
    const std::vector<CounterRecord> records = newGameRecords();
    // A counter's place in its band, counted row by row; -1 outside the band.
    const auto slotOf = [&](int row) {
        const int hex = records[static_cast<std::size_t>(row - 1)].currentHex;
        const int column = hexgrid::columnOf(hex) - band.firstColumn;
        const int bandRow = hexgrid::rowOf(hex) - band.firstRow;
        if (column < 0 || column >= band.columns || bandRow < 0)
            return -1;
        return bandRow * band.columns + column;
    };
    int rowsSeen = 0;
    int previous = -1;
    for (const CounterGroup& group : counterGroups(firstSide)) {
        const int first = slotOf(group.rows.front());
        QVERIFY2(first >= 0, group.name.c_str());
        if (previous >= 0)
            QVERIFY2(first == previous + 2 || (first > previous && first % band.columns == 0),
                     group.name.c_str());
        for (std::size_t i = 0; i < group.rows.size(); ++i) {
            QCOMPARE(slotOf(group.rows[i]), first + int(i)); // order-of-battle order
            if (i > 0)
                QVERIFY(group.rows[i] > group.rows[i - 1]);
        }
        previous = slotOf(group.rows.back());
        rowsSeen += int(group.rows.size());
    }
    QCOMPARE(rowsSeen, firstSide ? kFirstSideRows : 234 - kFirstSideRows);
}

void TestNewGameLayout::placeholderPosition() {
    CounterMgr counters;
    std::vector<CounterRecord> records;
    for (const auto& counter : counters.counters())
        records.push_back(counter->record());
    QVERIFY(isPlaceholderPosition(records));
    records[233].currentHex = 2000;
    QVERIFY(!isPlaceholderPosition(records));
    QVERIFY(!isPlaceholderPosition(newGameRecords()));
    QVERIFY(!isPlaceholderPosition({}));
}

QTEST_APPLESS_MAIN(TestNewGameLayout)
#include "tst_newgamelayout.moc"
