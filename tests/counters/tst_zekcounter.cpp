#include "base/bytestream.h"
#include "board/mappicture.h"
#include "counters/zekcounter.h"
#include "tests/common/fakepicturemodule.h"

#include <QTest>

class TestZeKCounter : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void freshCounter();
    void hasMovedFollowsTheHexes();
    void endTurnAndReturnCopyIndexesOnly();
    void cycleLosses_data();
    void cycleLosses();
    void cycleMarker();
    void lossText_data();
    void lossText();
    void drawsPictureAndMarker();
    void drawsAbsolute();
    void relativeDrawingStaysInTheCounterArea();
    void missingPictureThrows();
    void stateWord_data();
    void stateWord();
    void shortRecordChangesNothing();

private:
    FakePictureModule pictures_;
};

void TestZeKCounter::init() {
    ZeKCounter::setPictureModule(&pictures_);
}
void TestZeKCounter::cleanup() {
    ZeKCounter::setPictureModule(nullptr);
}

void TestZeKCounter::freshCounter() {
    const ZeKCounter c(2000, 2, "UK 6 Armor XX", 5, 1, 1, 0, 0);
    QCOMPARE(c.pictureId(), 2000);
    QCOMPARE(c.name(), std::string("UK 6 Armor XX"));
    QCOMPARE(c.sizeValue(), 5);
    QCOMPARE(c.startHex().index(), 1);
    QCOMPARE(c.currentHex().index(), 1);
    QVERIFY(!c.hasMoved());
    QVERIFY(c.isActive());
    QVERIFY(&c.startHex() != &c.currentHex());
}

void TestZeKCounter::hasMovedFollowsTheHexes() {
    ZeKCounter c(2000, 0, "A", 0, 10, 10, 0, 0);
    QVERIFY(c.moveTo(ZeKClick(11)));
    QCOMPARE(c.currentHex().index(), 11);
    QCOMPARE(c.startHex().index(), 10);
    QVERIFY(c.hasMoved());
    c.moveTo(ZeKClick(10));
    QVERIFY(!c.hasMoved());
    c.moveTo(ZeKClick(12));
    c.endTurn();
    QVERIFY(!c.hasMoved());
    QCOMPARE(c.startHex().index(), 12);
}

void TestZeKCounter::endTurnAndReturnCopyIndexesOnly() {
    ZeKCounter c(2000, 0, "A", 0, 3, 8, 0, 0);
    const ZeKClick* start = &c.startHex();
    const ZeKClick* current = &c.currentHex();
    c.returnToStart();
    QCOMPARE(c.currentHex().index(), 3);
    c.moveTo(ZeKClick(9));
    c.endTurn();
    QCOMPARE(c.startHex().index(), 9);
    QCOMPARE(&c.startHex(), start);
    QCOMPARE(&c.currentHex(), current);
}

void TestZeKCounter::cycleLosses_data() {
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("startLosses");
    QTest::addColumn<QList<int>>("sequence");
    QTest::newRow("steps 0") << 0 << 0 << QList<int>{0, 0};
    QTest::newRow("steps 2") << 2 << 0 << QList<int>{1, 2, 0, 1};
    QTest::newRow("steps 5") << 5 << 0 << QList<int>{1, 2, 3, 4, 5, 0};
    QTest::newRow("stored beyond steps") << 1 << 7 << QList<int>{0, 1};
    QTest::newRow("stored negative") << 1 << -2 << QList<int>{-1, 0, 1, 0};
}

void TestZeKCounter::cycleLosses() {
    QFETCH(int, steps);
    QFETCH(int, startLosses);
    QFETCH(QList<int>, sequence);
    ZeKCounter c(2100, steps, "A", 0, 1, 1, startLosses, 0);
    for (int expected : sequence) {
        c.cycleLosses();
        QCOMPARE(c.losses(), expected);
        QCOMPARE(c.pictureId(), 2100 + expected);
    }
    QVERIFY(c.clearLosses());
    QCOMPARE(c.losses(), 0);
}

void TestZeKCounter::cycleMarker() {
    ZeKCounter c(2000, 0, "A", 0, 1, 1, 0, 0);
    QList<int> seen;
    for (int i = 0; i < 4; ++i) {
        c.cycleMarker();
        seen << c.marker();
    }
    QCOMPARE(seen, (QList<int>{1, 2, 0, 1}));
}

void TestZeKCounter::lossText_data() {
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("losses");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("3/0") << 3 << 0 << QByteArray("3/0");
    QTest::newRow("2/1") << 2 << 1 << QByteArray("2/1");
    QTest::newRow("0/0") << 0 << 0 << QByteArray("0/0");
    QTest::newRow("5/-12") << 5 << -12 << QByteArray("5/-12");
}

void TestZeKCounter::lossText() {
    QFETCH(int, steps);
    QFETCH(int, losses);
    QFETCH(QByteArray, text);
    const ZeKCounter c(2000, steps, "A", 0, 1, 1, losses, 0);
    QCOMPARE(QByteArray::fromStdString(c.lossText()), text);
}

void TestZeKCounter::drawsPictureAndMarker() {
    MapPicture map(patternMap(220, 220));
    ZeKCounter c(2010, 1, "A", 0, 69, 69, 1, 2);
    const AFPoint at = c.draw(map, AFPoint(0, 7), true);
    QVERIFY(at == AFPoint(35, 26));
    const QImage& image = map.image();
    QCOMPARE(image.pixel(35, 26), FakePictureModule::colourOf(2011));
    QCOMPARE(image.pixel(35 + 7, 26 + 7), FakePictureModule::colourOf(2011));
    QCOMPARE(image.pixel(35 + 8, 26 + 8), FakePictureModule::colourOf(2552));
    QCOMPARE(image.pixel(35 + 19, 26 + 19), FakePictureModule::colourOf(2552));
    QCOMPARE(image.pixel(35 + 20, 26 + 20), FakePictureModule::colourOf(2011));
    QCOMPARE(image.pixel(35 + 24, 26), patternMap(220, 220).pixel(35 + 24, 26));
}

void TestZeKCounter::drawsAbsolute() {
    MapPicture map(patternMap(220, 220));
    ZeKCounter c(2000, 0, "A", 0, 69, 69, 0, 0);
    QVERIFY(c.draw(map, AFPoint(100, 150), false) == AFPoint(100, 150));
    QCOMPARE(map.image().pixel(100, 150), FakePictureModule::colourOf(2000));
    QCOMPARE(map.image().pixel(123, 173), FakePictureModule::colourOf(2000));
    QCOMPARE(map.image().pixel(124, 174), patternMap(220, 220).pixel(124, 174));
}

// Pictures larger than the hex's 27 x 39 area must not spill into neighbouring hexes,
// where no erase would ever wipe them.
void TestZeKCounter::relativeDrawingStaysInTheCounterArea() {
    FakePictureModule big({.counterSize = 60});
    ZeKCounter::setPictureModule(&big);
    const QImage original = patternMap(220, 220);
    MapPicture map(original);
    ZeKCounter c(2000, 0, "A", 0, 69, 69, 0, 1);
    c.draw(map, AFPoint(0, 15), true);
    const QRect area(35, 19, 27, 39);
    for (int y = 0; y < original.height(); ++y)
        for (int x = 0; x < original.width(); ++x)
            if (!area.contains(x, y) && map.image().pixel(x, y) != original.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
    QCOMPARE(map.image().pixel(61, 57), FakePictureModule::colourOf(2000));
    QCOMPARE(map.image().pixel(43, 42), FakePictureModule::colourOf(2551));
}

void TestZeKCounter::missingPictureThrows() {
    MapPicture map(patternMap(220, 220));
    ZeKCounter c(2394, 1, "A", 0, 0, 0, 1, 0);
    QVERIFY_THROWS_EXCEPTION(ResourceError, c.draw(map, AFPoint(0, 0), true));
    ZeKCounter::setPictureModule(nullptr);
    ZeKCounter ok(2000, 0, "A", 0, 0, 0, 0, 0);
    QVERIFY_THROWS_EXCEPTION(ResourceError, ok.draw(map, AFPoint(0, 0), true));
}

void TestZeKCounter::stateWord_data() {
    QTest::addColumn<int>("word");
    QTest::addColumn<int>("marker");
    QTest::addColumn<int>("losses");
    QTest::newRow("marker 2, losses 1") << 2001 << 2 << 1;
    QTest::newRow("losses 3") << 3 << 0 << 3;
    QTest::newRow("marker 1") << 1000 << 1 << 0;
    QTest::newRow("negative") << -2001 << -2 << -1;
    QTest::newRow("largest") << 2147483647 << 2147483 << 647;
    QTest::newRow("smallest") << int(-2147483647 - 1) << -2147483 << -648;
}

// The record splits the state word by truncating division and writes it back exactly.
void TestZeKCounter::stateWord() {
    QFETCH(int, word);
    QFETCH(int, marker);
    QFETCH(int, losses);
    ByteWriter out;
    out.writeInt32(17);
    out.writeInt32(2966);
    out.writeInt32(word);
    ZeKCounter c(2000, 0, "A", 0, 1, 1, 0, 0);
    ByteReader in(out.bytes());
    c.setState(CounterRecord::read(in));
    QVERIFY(in.atEnd());
    QCOMPARE(c.startHex().index(), 17);
    QCOMPARE(c.currentHex().index(), 2966);
    QCOMPARE(c.marker(), marker);
    QCOMPARE(c.losses(), losses);
    ByteWriter again;
    c.record().write(again);
    QCOMPARE(again.bytes(), out.bytes());
}

void TestZeKCounter::shortRecordChangesNothing() {
    ByteWriter out;
    out.writeInt32(40);
    out.writeInt32(41);
    ZeKCounter c(2000, 0, "A", 0, 5, 6, 0, 1);
    ByteReader in(out.bytes());
    QVERIFY_THROWS_EXCEPTION(StreamEndError, c.setState(CounterRecord::read(in)));
    QCOMPARE(in.position(), 0);
    QCOMPARE(c.startHex().index(), 5);
    QCOMPARE(c.currentHex().index(), 6);
    QCOMPARE(c.marker(), 1);
}

QTEST_APPLESS_MAIN(TestZeKCounter)
#include "tst_zekcounter.moc"
