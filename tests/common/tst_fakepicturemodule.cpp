#include "tests/common/fakepicturemodule.h"

#include <QSet>
#include <QTest>

// The picture tests read pixels to tell which picture lies on top; that only works while
// the stand-in's colours stay apart from one another and from the maps they are drawn on.
class TestFakePictureModule : public QObject {
    Q_OBJECT
private slots:
    void coloursNeverMatchTheMaps_data();
    void coloursNeverMatchTheMaps();
    void holdsWhatItIsToldTo();
};

void TestFakePictureModule::coloursNeverMatchTheMaps_data() {
    QTest::addColumn<QSize>("mapSize");
    // The sizes the tests use, and one wider than a colour channel repeats.
    QTest::newRow("board and counters") << QSize(220, 220);
    QTest::newRow("tags") << QSize(160, 240);
    QTest::newRow("wide") << QSize(600, 300);
}

void TestFakePictureModule::coloursNeverMatchTheMaps() {
    QFETCH(QSize, mapSize);
    const QImage map = patternMap(mapSize.width(), mapSize.height());
    QSet<QRgb> pixels;
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x)
            pixels.insert(map.pixel(x, y));
    QSet<QRgb> colours;
    // Every identifier a fake answering any identifier hands out in practice.
    for (int id = 0; id <= 0xFFFF; ++id) {
        const QRgb colour = FakePictureModule::colourOf(id);
        if (pixels.contains(colour) || colour == FakePictureModule::mapColour())
            QFAIL(qPrintable(QStringLiteral("identifier %1").arg(id)));
        colours.insert(colour);
    }
    QCOMPARE(colours.size(), 0x10000);
}

void TestFakePictureModule::holdsWhatItIsToldTo() {
    FakePictureModule usual(QStringLiteral("korva_1.dll"));
    QCOMPARE(usual.name(), QStringLiteral("korva_1.dll"));
    QCOMPARE(usual.bitmap(16002).size(), FakePictureModule::mapSize());
    QCOMPARE(usual.bitmap(16002).pixel(1504, 2719), FakePictureModule::mapColour());
    QCOMPARE(usual.bitmap(16026).size(), QSize(8, 8));
    QCOMPARE(usual.bitmap(2552).size(), QSize(12, 12));
    QCOMPARE(usual.bitmap(2394).size(), QSize(24, 24));
    QCOMPARE(usual.bitmap(2394).pixel(23, 23), FakePictureModule::colourOf(2394));
    QCOMPARE(usual.loads, 6);
    for (int id : {-1, 1999, 2395, 2550, 2553, 16001, 16010, 16017, 16027})
        QVERIFY2(!usual.contains(id), qPrintable(QString::number(id)));
    QVERIFY_THROWS_EXCEPTION(ResourceError, usual.bitmap(2395));
    QCOMPARE(usual.loads, 6);

    usual.missing = {2001};
    usual.only = {2000, 2001, 5000};
    QVERIFY(usual.contains(2000));
    QVERIFY(!usual.contains(2001));
    QVERIFY(!usual.contains(2002));
    QVERIFY(!usual.contains(5000));

    const FakePictureModule any({.counterSize = 30, .anyIdentifier = true});
    QVERIFY(any.contains(0) && any.contains(5000) && any.contains(16010));
    QVERIFY(!any.contains(-1));
    QCOMPARE(any.bitmap(5000).size(), QSize(30, 30));
    QCOMPARE(any.bitmap(2551).size(), QSize(12, 12));
}

QTEST_GUILESS_MAIN(TestFakePictureModule)
#include "tst_fakepicturemodule.moc"
