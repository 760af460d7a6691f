#include "counters/countermgr.h"
#include "counters/newgamelayout.h"
#include "counters/orderofbattle.h"
#include "counters/zekcounter.h"
#include "geometry/hexgrid.h"

#include <QTest>

#include <set>

using namespace newgame;

// Where a new game sets the counters out, and how a placeholder position is told.
class TestNewGameLayout : public QObject {
    Q_OBJECT
private slots:
    void everyCounterOffBoardOnePerHex();
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
        QVERIFY(hexgrid::isValidHex(r.currentHex) && !hexgrid::isOnBoard(r.currentHex));
        QVERIFY(r == (CounterRecord{r.currentHex, r.currentHex, 0, 0}));
        QVERIFY2(hexes.insert(r.currentHex).second, "two counters in one hex");
        sideColumns[sideOfRow(int(i) + 1) == Side::First ? 0 : 1].insert(
            hexgrid::columnOf(r.currentHex));
    }
    for (const int column : sideColumns[0])
        QVERIFY2(!sideColumns[1].contains(column), "the sides share a column");
}

void TestNewGameLayout::groupsInOrderWithGaps() {
    // "US-Cdn 1 SSF" goes with the US; "FA: Nembo/185" of the second side is German.
    const char* const expected[] = {"UK NZ US SA Fr Pol Ind Braz Greek Cdn Jew P Rome FA Mon",
                                    "Fort German Rep Port Marker"};
    const std::vector<CounterRecord> records = newGameRecords();
    for (const bool firstSide : {true, false}) {
        const HoldingBand band = firstSide ? kFirstSideBand : kSecondSideBand;
        // A counter's place in its band, counted row by row.
        const auto slotOf = [&](int row) {
            const int hex = records[static_cast<std::size_t>(row - 1)].currentHex;
            return (hexgrid::rowOf(hex) - band.firstRow) * band.columns + hexgrid::columnOf(hex) -
                   band.firstColumn;
        };
        std::string names;
        int previous = -2;
        for (const CounterGroup& group : counterGroups(firstSide)) {
            names += (names.empty() ? "" : " ") + group.name;
            // One empty hex after the group before, or the start of a row.
            const int first = slotOf(group.rows.front());
            QVERIFY2(first == previous + 2 || (first > previous && first % band.columns == 0),
                     group.name.c_str());
            for (std::size_t i = 1; i < group.rows.size(); ++i) {
                QVERIFY(group.rows[i] > group.rows[i - 1]);
                QCOMPARE(slotOf(group.rows[i]), first + int(i));
            }
            previous = slotOf(group.rows.back());
        }
        QCOMPARE(names, std::string(expected[firstSide ? 0 : 1]));
    }
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
}

QTEST_APPLESS_MAIN(TestNewGameLayout)
#include "tst_newgamelayout.moc"
