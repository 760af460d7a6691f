#include "base/bytestream.h"
#include "counters/countermgr.h"

#include <QTest>

#include <vector>

namespace {

std::vector<const ZeKCounter*> objectsOf(const CounterMgr& mgr) {
    std::vector<const ZeKCounter*> objects;
    for (const auto& c : mgr.counters())
        objects.push_back(c.get());
    return objects;
}

std::vector<CounterRecord> recordsOf(const CounterMgr& mgr) {
    std::vector<CounterRecord> records;
    for (const auto& c : mgr.counters())
        records.push_back(c->record());
    return records;
}

ZeKCounter& nth(const CounterMgr& mgr, int n) {
    return *std::next(mgr.counters().begin(), n - 1)->get();
}

// A counters section with the given mark and stored count, record n from make(n).
template <typename Make> QByteArray section(int mark, int count, int records, Make make) {
    ByteWriter out;
    out.writeInt32(mark);
    out.writeInt32(count);
    for (int n = 1; n <= records; ++n)
        make(n).write(out);
    return out.take();
}

CounterRecord sample(int n) {
    return {n + 1000, n + 2000, n % 3, n % 3 == 0 ? 2 : 0};
}

} // namespace

class TestCounterMgr : public QObject {
    Q_OBJECT
private slots:
    void freshCounters();
    void endTurnKeepsLossesAndMarkers();
    void writeAfterStartUp();
    void readWrongMark();
    void readDiscardsMoves();
    void readIgnoresStoredCount();
    void readShortSectionChangesNothing_data();
    void readShortSectionChangesNothing();
    void roundTrip();
    void applyFewerRecords();
};

void TestCounterMgr::freshCounters() {
    const CounterMgr mgr;
    QCOMPARE(int(mgr.counters().size()), 234);
    int n = 0;
    for (const auto& c : mgr.counters()) {
        ++n;
        QCOMPARE(c->startHex().index(), n);
        QCOMPARE(c->currentHex().index(), n);
        QCOMPARE(c->losses(), 0);
        QCOMPARE(c->marker(), 0);
        QVERIFY(!c->hasMoved());
    }
    QCOMPARE(nth(mgr, 180).name(), std::string("Czech 1 Ers "));
    QCOMPARE(nth(mgr, 115).steps(), 5);
}

void TestCounterMgr::endTurnKeepsLossesAndMarkers() {
    CounterMgr mgr;
    nth(mgr, 1).moveTo(ZeKClick(500));
    nth(mgr, 1).cycleLosses();
    nth(mgr, 2).moveTo(ZeKClick(2966));
    nth(mgr, 2).cycleMarker();
    mgr.endTurn();
    for (const auto& c : mgr.counters())
        QVERIFY(!c->hasMoved());
    QCOMPARE(nth(mgr, 1).startHex().index(), 500);
    QCOMPARE(nth(mgr, 1).losses(), 1);
    QCOMPARE(nth(mgr, 2).startHex().index(), 2966);
    QCOMPARE(nth(mgr, 2).marker(), 1);
    QCOMPARE(nth(mgr, 3).startHex().index(), 3);
}

void TestCounterMgr::writeAfterStartUp() {
    const CounterMgr mgr;
    ByteWriter out;
    mgr.writeCounters(out);
    const QByteArray bytes = out.bytes();
    QCOMPARE(bytes.size(), 2816);
    QCOMPARE(bytes.left(8), QByteArray::fromHex("C78AA900EA000000"));
    QCOMPARE(bytes.mid(8, 12), QByteArray::fromHex("010000000100000000000000"));
    QCOMPARE(bytes.right(12), QByteArray::fromHex("EA000000EA00000000000000"));
}

void TestCounterMgr::readWrongMark() {
    CounterMgr mgr;
    nth(mgr, 7).moveTo(ZeKClick(99));
    const auto objects = objectsOf(mgr);
    const auto records = recordsOf(mgr);
    QByteArray bytes = section(11111112, 234, 234, sample);
    ByteReader in(bytes);
    QVERIFY(!mgr.readCounters(in));
    QCOMPARE(in.position(), 4);
    QVERIFY(objectsOf(mgr) == objects);
    QVERIFY(recordsOf(mgr) == records);
}

void TestCounterMgr::readDiscardsMoves() {
    CounterMgr mgr;
    nth(mgr, 1).moveTo(ZeKClick(300));
    nth(mgr, 1).cycleMarker();
    const QByteArray bytes = section(CounterMgr::kSectionMark, 234, 234, sample);
    ByteReader in(bytes);
    QVERIFY(mgr.readCounters(in));
    QVERIFY(in.atEnd());
    int n = 0;
    for (const auto& c : mgr.counters())
        QVERIFY(c->record() == sample(++n));
    QCOMPARE(nth(mgr, 3).marker(), 2);
    QCOMPARE(nth(mgr, 3).losses(), 0);
    QCOMPARE(nth(mgr, 4).losses(), 1);
}

void TestCounterMgr::readIgnoresStoredCount() {
    CounterMgr mgr;
    // The stored count neither bounds the records nor is written back.
    QByteArray bytes = section(CounterMgr::kSectionMark, 5, 234, sample);
    bytes += QByteArray::fromHex("7CF4B800");
    ByteReader in(bytes);
    QVERIFY(mgr.readCounters(in));
    QCOMPARE(in.remaining(), 4);
    QCOMPARE(nth(mgr, 234).record(), sample(234));
    ByteWriter out;
    mgr.writeCounters(out);
    QCOMPARE(out.bytes().mid(4, 4), QByteArray::fromHex("EA000000"));
}

void TestCounterMgr::readShortSectionChangesNothing_data() {
    QTest::addColumn<int>("length");
    QTest::newRow("mark only") << 4;
    QTest::newRow("no records") << 8;
    QTest::newRow("inside a record") << 8 + 12 * 100 + 5;
    QTest::newRow("one record short") << 2816 - 12;
    QTest::newRow("one byte short") << 2815;
}

void TestCounterMgr::readShortSectionChangesNothing() {
    QFETCH(int, length);
    CounterMgr mgr;
    nth(mgr, 10).moveTo(ZeKClick(1234));
    const auto objects = objectsOf(mgr);
    const auto records = recordsOf(mgr);
    const QByteArray bytes = section(CounterMgr::kSectionMark, 234, 234, sample).left(length);
    ByteReader in(bytes);
    QVERIFY_THROWS_EXCEPTION(StreamEndError, mgr.readCounters(in));
    QVERIFY(objectsOf(mgr) == objects);
    QVERIFY(recordsOf(mgr) == records);
}

void TestCounterMgr::roundTrip() {
    CounterMgr mgr;
    nth(mgr, 1).moveTo(ZeKClick(69));
    nth(mgr, 50).cycleLosses();
    nth(mgr, 115).cycleMarker();
    nth(mgr, 115).cycleMarker();
    ByteWriter out;
    mgr.writeCounters(out);

    CounterMgr other;
    ByteReader in(out.bytes());
    QVERIFY(other.readCounters(in));
    QVERIFY(recordsOf(other) == recordsOf(mgr));
    QVERIFY(nth(other, 1).hasMoved());
    ByteWriter again;
    other.writeCounters(again);
    QCOMPARE(again.bytes(), out.bytes());
}

void TestCounterMgr::applyFewerRecords() {
    CounterMgr mgr;
    nth(mgr, 3).moveTo(ZeKClick(77));
    mgr.applyRecords({sample(1), sample(2)});
    QVERIFY(nth(mgr, 2).record() == sample(2));
    QCOMPARE(nth(mgr, 3).currentHex().index(), 3);
    QCOMPARE(int(mgr.counters().size()), 234);
}

QTEST_APPLESS_MAIN(TestCounterMgr)
#include "tst_countermgr.moc"
