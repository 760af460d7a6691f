#include "geometry/hexgrid.h"
#include "geometry/hittest.h"
#include "geometry/zekclick.h"

#include <QPolygon>

#include <QTest>
#include <limits>

using namespace hexgrid;
using namespace hittest;

class TestHitTest : public QObject {
    Q_OBJECT
private slots:
    void knownPoints_data();
    void knownPoints();
    void neighbours_data();
    void neighbours();
    void everyPixelLiesInOrOnItsHex();
    void zeKClickFromPoint();
    void equalsItsStepsComposed();
};

void TestHitTest::knownPoints_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("hex");
    const struct {
        int x, y, hex;
    } rows[] = {
        {0, 0, 0},         {12, 20, 0},        {24, 39, 1},      {25, 0, 0},
        {30, 2, 0},        {34, 18, 0},        {34, 19, 0},      {34, 214, 74},
        {30, 30, 69},      {35, 19, 69},       {40, 50, 69},     {35, 0, 69},
        {35, 18, 69},      {48, 2, 69},        {49, 2, 138},     {-5, -5, 0},
        {30, -3, 0},       {100, -20, 138},    {60, 2700, 137},  {60, 2712, 137},
        {40, 3000, 137},   {1480, 5, 2898},    {1505, 0, 2898},  {1600, 100, 2900},
        {1600, -50, 2898}, {1494, 2690, 2966}, {874, 100, 1727}, {875, 100, 1727},
    };
    for (const auto& r : rows)
        QTest::newRow(qPrintable(QStringLiteral("%1,%2").arg(r.x).arg(r.y))) << r.x << r.y << r.hex;
}

void TestHitTest::knownPoints() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, hex);
    QCOMPARE(hitTest({x, y}), hex);
}

void TestHitTest::neighbours_data() {
    QTest::addColumn<int>("hex");
    QTest::addColumn<int>("upperRight");
    QTest::addColumn<int>("lowerRight");
    QTest::newRow("even column, row 0") << 0 << 0 << 69;
    QTest::newRow("even column, row 5") << 5 << 73 << 74;
    QTest::newRow("odd column, row 0") << 69 << 138 << 139;
    QTest::newRow("odd column, last row") << 137 << 206 << 137;
    QTest::newRow("last column") << 2898 << 2898 << 2898;
    QTest::newRow("last hex") << 2966 << 2966 << 2966;
}

void TestHitTest::neighbours() {
    QFETCH(int, hex);
    QFETCH(int, upperRight);
    QFETCH(int, lowerRight);
    QCOMPARE(upperRightOf(hex), upperRight);
    QCOMPARE(lowerRightOf(hex), lowerRight);
}

// Is (x, y) inside the closed hexagon of the hex, in exact integer arithmetic.
static bool insideHex(int hex, int x, int y) {
    const AFPoint p = hexPosition(hex);
    if (y < p.y || y > p.y + 39)
        return false;
    if (y <= p.y + 19) { // upper half: the two upper slanted edges
        return 19 * (x - p.x - 24) <= 11 * (y - p.y) && 19 * (p.x - x) <= 11 * (y - p.y);
    }
    return 20 * (x - p.x - 24) <= 11 * (p.y + 39 - y) && 20 * (p.x - x) <= 11 * (p.y + 39 - y);
}

// Inside the hex, or one pixel away from it across an edge.
static bool insideOrTouching(int hex, int x, int y) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (insideHex(hex, x + dx, y + dy))
                return true;
    return false;
}

// Does any hex of the grid cover the pixel (some pixels near the top edge lie in none).
static bool coveredByGrid(int x, int y) {
    const int column = std::clamp(x / kColumnPitch, 0, kColumns - 1);
    for (int c = std::max(column - 1, 0); c <= std::min(column + 1, kColumns - 1); ++c)
        for (int r = std::max(y / kHexHeight - 2, 0); r <= std::min(y / kHexHeight + 1, 68); ++r)
            if (insideHex(hexIndexOf(c, r), x, y))
                return true;
    return false;
}

void TestHitTest::everyPixelLiesInOrOnItsHex() {
    // Inside the grid extent every covered pixel's hex contains it, or touches it along
    // the slanted or horizontal edge that decides between two hexes.
    for (int y = 0; y < kExtentBottom; ++y) {
        for (int x = 0; x < kExtentRight; ++x) {
            const int hex = hitTest({x, y});
            if (!isValidHex(hex) || (coveredByGrid(x, y) && !insideOrTouching(hex, x, y)))
                QFAIL(qPrintable(QStringLiteral("(%1,%2) -> %3").arg(x).arg(y).arg(hex)));
        }
    }
    // Around the extent, and where no hex covers a pixel, every point still yields a hex
    // of the grid near the point.
    for (int y = -60; y < kExtentBottom + 60; y += 3) {
        for (int x = -60; x < kExtentRight + 60; x += 3) {
            const int hex = hitTest({x, y});
            QVERIFY(isValidHex(hex));
            const AFPoint p = hexPosition(hex);
            const int cx = std::clamp(x, kExtentLeft, kExtentRight);
            const int cy = std::clamp(y, 0, kExtentBottom);
            if (std::abs(p.x + 12 - cx) > 60 || std::abs(p.y + 19 - cy) > 60)
                QFAIL(qPrintable(QStringLiteral("(%1,%2) -> %3").arg(x).arg(y).arg(hex)));
        }
    }
}

// The test as its steps describe it, composed from the public step functions.
static int composedHitTest(AFPoint point) {
    const int i = estimateHex(point);
    const AFPoint p = hexPosition(i);
    if (insideCore(p, point))
        return i;
    if (point.y < p.y + 19)
        return leftOfEdge({p.x + 24, p.y}, {p.x + 35, p.y + 19}, point) ? i : upperRightOf(i);
    return leftOfEdge({p.x + 35, p.y + 19}, {p.x + 24, p.y + 39}, point) ? i : lowerRightOf(i);
}

void TestHitTest::equalsItsStepsComposed() {
    const int extremes[] = {
        std::numeric_limits<int>::min(), -1000000, -12, 0, 1494, 1505, 2690, 2720, 1000000,
        std::numeric_limits<int>::max()};
    for (const int x : extremes)
        for (const int y : extremes)
            QCOMPARE(hitTest({x, y}), composedHitTest({x, y}));
    for (int y = -80; y < 2800; y += 1)
        for (int x = -80; x < 1600; x += 7)
            if (hitTest({x, y}) != composedHitTest({x, y}))
                QFAIL(qPrintable(QStringLiteral("(%1,%2)").arg(x).arg(y)));
}

void TestHitTest::zeKClickFromPoint() {
    QCOMPARE(ZeKClick(AFPoint(34, 214)).index(), 74);
    QCOMPARE(QString::fromStdString(ZeKClick(AFPoint(875, 100)).label()),
             QStringLiteral("Off board"));
}

QTEST_GUILESS_MAIN(TestHitTest)
#include "tst_hittest.moc"
