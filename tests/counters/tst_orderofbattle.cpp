#include "counters/orderofbattle.h"

#include <QTest>

#include <map>
#include <set>
#include <vector>

Q_DECLARE_METATYPE(CounterKind)

class TestOrderOfBattle : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void rowCount();
    void picturesCoverTheRangeOnce();
    void picturesFollowEachOther();
    void columnCounts();
    void sizeFollowsTheName();
    void repeatedNames();
    void appendsToWhatIsThere();
    void kindAndSideOfRow_data();
    void kindAndSideOfRow();

private:
    std::vector<ZeKCounterInitStruct> rows_;
};

void TestOrderOfBattle::initTestCase() {
    CounterInitList list;
    buildOrderOfBattle(list);
    rows_.assign(list.begin(), list.end());
}

void TestOrderOfBattle::rowCount() {
    QCOMPARE(int(rows_.size()), 234);
    QCOMPARE(kOrderOfBattleSize, 234);
}

void TestOrderOfBattle::picturesCoverTheRangeOnce() {
    std::map<int, int> uses;
    for (const auto& r : rows_)
        for (int id = r.basePictureId; id <= r.basePictureId + r.steps; ++id)
            ++uses[id];
    QCOMPARE(int(uses.size()), 395);
    QCOMPARE(uses.begin()->first, 2000);
    QCOMPARE(uses.rbegin()->first, 2394);
    for (const auto& [id, count] : uses)
        QVERIFY2(count == 1, qPrintable(QString::number(id)));
}

// Each base picture follows the previous row's last one, except for the rows whose
// pictures were numbered out of table order.
void TestOrderOfBattle::picturesFollowEachOther() {
    const std::set<int> outOfOrder{82, 83, 84, 85, 94, 211, 217, 218};
    for (std::size_t i = 1; i < rows_.size(); ++i) {
        const int row = int(i) + 1;
        if (outOfOrder.count(row))
            continue;
        const auto& before = rows_[i - 1];
        QVERIFY2(rows_[i].basePictureId == before.basePictureId + before.steps + 1,
                 qPrintable(QString::number(row)));
    }
}

void TestOrderOfBattle::columnCounts() {
    std::map<int, int> steps;
    std::map<int, int> sizes;
    for (const auto& r : rows_) {
        ++steps[r.steps];
        ++sizes[r.sizeValue];
    }
    const std::map<int, int> expectedSteps{{0, 138}, {1, 51}, {2, 32}, {3, 7}, {4, 5}, {5, 1}};
    const std::map<int, int> expectedSizes{{0, 36}, {1, 75}, {2, 63}, {3, 43}, {4, 11}, {5, 6}};
    QVERIFY(steps == expectedSteps);
    QVERIFY(sizes == expectedSizes);
}

void TestOrderOfBattle::sizeFollowsTheName() {
    const std::set<std::string> sizeless{"Fort",        "Port",       "1 Marker", "P 36G",
                                         "P 28G",       "F-MK1 MG",   "F-MK2 MG", "Tiger:508",
                                         "Panther:4/1", "Panther:4/2"};
    auto endsWith = [](const std::string& s, const std::string& tail) {
        return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
    };
    for (const auto& r : rows_) {
        const QByteArray why = QByteArray::fromStdString(r.name);
        if (sizeless.count(r.name))
            QVERIFY2(r.sizeValue == 0, why.constData());
        else if (endsWith(r.name, "III"))
            QVERIFY2(r.sizeValue == 1, why.constData());
        else if (endsWith(r.name, "XX"))
            QVERIFY2(r.sizeValue >= 1 && r.sizeValue <= 5, why.constData());
        else
            QVERIFY2(r.sizeValue > 0, why.constData());
    }
}

void TestOrderOfBattle::repeatedNames() {
    std::map<std::string, std::vector<int>> rowsByName;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        rowsByName[rows_[i].name].push_back(int(i) + 1);
    QCOMPARE(int(rowsByName["Fort"].size()), 13);
    QCOMPARE(rowsByName["Fort"].front(), 102);
    QCOMPARE(int(rowsByName["Port"].size()), 8);
    QCOMPARE(rowsByName["Port"].front(), 219);
    QCOMPARE(int(rowsByName["1 Marker"].size()), 8);
    QCOMPARE(rowsByName["1 Marker"].back(), 234);
    QCOMPARE(int(rowsByName.count("Czech 1 Ers")), 0);
}

void TestOrderOfBattle::appendsToWhatIsThere() {
    CounterInitList list{{1, 0, "x", 0}};
    buildOrderOfBattle(list);
    QCOMPARE(int(list.size()), 235);
    QCOMPARE(list.front().basePictureId, 1);
    QCOMPARE(std::next(list.begin())->name, std::string("UK 6 Armor XX"));
}

void TestOrderOfBattle::kindAndSideOfRow_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<CounterKind>("kind");
    // Forts, ports and markers stand with the second side.
    QTest::newRow("1") << 1 << CounterKind::FirstSide;
    QTest::newRow("101") << 101 << CounterKind::FirstSide;
    QTest::newRow("102") << 102 << CounterKind::Fort;
    QTest::newRow("114") << 114 << CounterKind::Fort;
    QTest::newRow("115") << 115 << CounterKind::SecondSide;
    QTest::newRow("218") << 218 << CounterKind::SecondSide;
    QTest::newRow("219") << 219 << CounterKind::Port;
    QTest::newRow("226") << 226 << CounterKind::Port;
    QTest::newRow("227") << 227 << CounterKind::Marker;
    QTest::newRow("234") << 234 << CounterKind::Marker;
}

void TestOrderOfBattle::kindAndSideOfRow() {
    QFETCH(int, row);
    QFETCH(CounterKind, kind);
    QCOMPARE(kindOfRow(row), kind);
    QCOMPARE(sideOfRow(row), kind == CounterKind::FirstSide ? Side::First : Side::Second);
}

QTEST_APPLESS_MAIN(TestOrderOfBattle)
#include "tst_orderofbattle.moc"
