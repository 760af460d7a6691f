#include "board/mappicture.h"
#include "geometry/afpoint.h"
#include "tests/common/fakepicturemodule.h"

#include <QTest>

// The map picture keeps its pristine pixels where drawing covers them and puts them back.
class TestMapPicture : public QObject {
    Q_OBJECT
private slots:
    void restoreGivesBackOnlyTheRect_data();
    void restoreGivesBackOnlyTheRect();
    void restoreOfUntouchedAreaChangesNothing();
    void callersCopyStaysAsItWas();
};

namespace {

QImage solid(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

void TestMapPicture::restoreGivesBackOnlyTheRect_data() {
    QTest::addColumn<QRect>("drawn");
    QTest::addColumn<QRect>("restored");
    // Tiles are 35 x 13: inside one, across tile edges, across the picture's edge.
    QTest::newRow("inside one tile") << QRect(36, 14, 20, 10) << QRect(36, 14, 20, 10);
    QTest::newRow("hex area over tiles") << QRect(70, 20, 27, 39) << QRect(70, 20, 27, 39);
    QTest::newRow("part of the drawing") << QRect(30, 10, 80, 60) << QRect(50, 25, 30, 20);
    QTest::newRow("more than the drawing") << QRect(40, 40, 10, 10) << QRect(0, 0, 120, 90);
    QTest::newRow("right and bottom edge") << QRect(200, 190, 40, 40) << QRect(190, 180, 60, 60);
    QTest::newRow("left and top edge") << QRect(-5, -5, 30, 30) << QRect(-10, -10, 20, 20);
}

// After any drawing, restoring a rectangle gives exactly the original pixels inside it and
// leaves the drawing outside it; the pristine copy is the original wherever it lies.
void TestMapPicture::restoreGivesBackOnlyTheRect() {
    QFETCH(QRect, drawn);
    QFETCH(QRect, restored);
    const QImage original = patternMap(220, 210);
    MapPicture map(original);
    map.drawImage(drawn.x(), drawn.y(), solid(drawn.width(), drawn.height(), qRgb(255, 0, 0)));
    map.drawPolyline({AFPoint(0, 100), AFPoint(219, 120)}, qRgb(0, 0, 255));
    QImage expected = map.image().copy();
    const QRect inside = restored.intersected(original.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            expected.setPixel(x, y, original.pixel(x, y));
    QCOMPARE(map.pristineCopy(restored), original.copy(restored));
    map.restorePristine(restored);
    QCOMPARE(map.image(), expected);
    QCOMPARE(map.pristineCopy(original.rect()), original);
}

void TestMapPicture::restoreOfUntouchedAreaChangesNothing() {
    MapPicture map(patternMap(220, 210));
    std::vector<QRect> changes;
    map.setChangeListener([&changes](const QRect& rect) { changes.push_back(rect); });
    map.restorePristine(QRect(0, 0, 220, 210));
    QVERIFY(changes.empty());
    map.drawImage(100, 100, solid(8, 8, qRgb(1, 2, 3)));
    map.restorePristine(QRect(90, 95, 27, 39));
    QCOMPARE(changes.size(), std::size_t{2});
    // Only the part of the erased area that had been drawn on is reported.
    QVERIFY(changes[1].contains(QRect(100, 100, 8, 8)));
    QVERIFY(QRect(90, 95, 27, 39).contains(changes[1]));
}

// The picture shares its pixels with the image it was made from until it draws.
void TestMapPicture::callersCopyStaysAsItWas() {
    const QImage original = patternMap(220, 210);
    const QImage kept = original.copy();
    MapPicture map(original);
    map.drawImage(0, 0, solid(50, 50, qRgb(9, 9, 9)));
    QCOMPARE(original, kept);
    QCOMPARE(map.image().pixel(10, 10), qRgb(9, 9, 9));
}

QTEST_MAIN(TestMapPicture)
#include "tst_mappicture.moc"
