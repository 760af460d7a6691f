#include "board/mapboard.h"
#include "board/mappicture.h"
#include "counters/countermgr.h"
#include "geometry/hexgrid.h"
#include "overlay/moveoverlay.h"

#include <QPainter>
#include <QTest>

namespace {

// Where a lone counter is drawn in a hex.
QRectF counterBox(int hex) {
    const AFPoint p = hexgrid::hexPosition(hex);
    return {double(p.x), double(p.y), 24, 24};
}

// A board with the counters where the records put them (nothing is drawn).
struct Board {
    MapPicture picture{QImage(1520, 2720, QImage::Format_RGB32)};
    CounterMgr counters;
    MapBoard board{picture};

    explicit Board(const std::vector<std::pair<int, CounterRecord>>& placed) {
        for (const auto& [row, record] : placed) {
            auto it = counters.counters().begin();
            std::advance(it, row - 1);
            (*it)->setState(record);
        }
        board.rebuild(counters.counters());
    }
};

} // namespace

// The marks of a turn's moves: where they go, and what they paint.
class TestMoveOverlay : public QObject {
    Q_OBJECT
private slots:
    void marksFollowTheChanges();
    void paintsInSideColours();
    void aPartPaintedAloneMatchesTheWhole_data();
    void aPartPaintedAloneMatchesTheWhole();
    void onlyChangedMarksAreRepainted();
};

void TestMoveOverlay::marksFollowTheChanges() {
    // Counters 1 and 2 (first side) went together from 300 to 370, counter 150 (second side)
    // from 900 to 901 and was flipped; counter 3, alone in 500, changed its marker.
    const Board b({{1, {300, 370, 0, 0}},
                   {2, {300, 370, 0, 0}},
                   {150, {900, 901, 1, 0}},
                   {3, {500, 500, 0, 1}}});
    const std::vector<CounterChange> changes = {{1, 300, 370, 0, 0, 0, 0},
                                                {2, 300, 370, 0, 0, 0, 0},
                                                {3, 500, 500, 0, 0, 0, 1},
                                                {150, 900, 901, 0, 1, 0, 0}};
    const MoveOverlay overlay = buildMoveOverlay(changes, b.counters, b.board);

    QCOMPARE(overlay.arrows.size(), std::size_t{2}); // one for the pair that moved together
    const MoveOverlay::Arrow& pair = overlay.arrows[0];
    QCOMPARE(pair.from, counterBox(300).center());
    QCOMPARE(pair.side, Side::First);
    // The head stops just short of the stack of two (spread 15 pixels down), aiming at it.
    const QRectF stack = counterBox(370).adjusted(0, 0, 0, 15);
    QVERIFY(!stack.contains(pair.to) && stack.adjusted(-2, -2, 2, 2).contains(pair.to));
    const QPointF along = pair.to - pair.from;
    const QPointF aim = stack.center() - pair.from;
    QVERIFY(std::abs(along.x() * aim.y() - along.y() * aim.x()) < 0.01 * QLineF({}, aim).length());
    QCOMPARE(overlay.arrows[1].side, Side::Second);

    QCOMPARE(overlay.outlines.size(), std::size_t{2});
    QCOMPARE(overlay.outlines[0].box, counterBox(500));
    QCOMPARE(overlay.outlines[0].side, Side::First);
    QCOMPARE(overlay.outlines[1].side, Side::Second);
    QVERIFY(overlay.bounds().contains(overlay.outlines[0].box));
}

void TestMoveOverlay::paintsInSideColours() {
    MoveOverlay overlay;
    overlay.arrows = {{QPointF(50, 50), QPointF(250, 50), Side::First},
                      {QPointF(50, 150), QPointF(250, 150), Side::Second}};
    overlay.outlines = {{QRectF(100, 250, 24, 24), Side::Second}};
    const QColor grass(110, 150, 90);
    QImage map(320, 320, QImage::Format_RGB32);
    map.fill(grass);
    QImage painted = map;
    QPainter painter(&painted);
    paintMoveOverlay(painter, overlay);
    painter.end();

    const auto first = moveoverlay::sideColour(Side::First).rgb();
    const auto second = moveoverlay::sideColour(Side::Second).rgb();
    QCOMPARE(painted.pixel(150, 50), first);                           // the shaft
    QCOMPARE(painted.pixel(245, 50), first);                           // the head
    QCOMPARE(painted.pixel(150, 52), moveoverlay::edgeColour().rgb()); // its dark edge
    QCOMPARE(painted.pixel(150, 150), second);
    QCOMPARE(painted.pixel(98, 262), second);       // the outline, just outside the box
    QCOMPARE(painted.pixel(112, 262), grass.rgb()); // the counter inside stays visible
    // Nothing outside the bounds; the map itself untouched.
    const QRect bounds = overlay.bounds().toAlignedRect();
    for (int y = 0; y < map.height(); y += 3)
        for (int x = 0; x < map.width(); x += 3)
            if (!bounds.contains(x, y))
                QCOMPARE(painted.pixel(x, y), grass.rgb());
    QCOMPARE(map.pixel(150, 50), grass.rgb());
}

void TestMoveOverlay::aPartPaintedAloneMatchesTheWhole_data() {
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QRectF>("exposed"); // map pixels
    QTest::newRow("a strip across long shafts") << 1.0 << QRectF(0, 120, 400, 20);
    QTest::newRow("a head and a start dot") << 1.0 << QRectF(20, 20, 40, 40);
    QTest::newRow("zoomed in, a corner") << 3.0 << QRectF(290, 280, 30, 30);
    QTest::newRow("zoomed out, a column") << 0.5 << QRectF(100, 0, 7, 400);
}

void TestMoveOverlay::aPartPaintedAloneMatchesTheWhole() {
    QFETCH(qreal, scale);
    QFETCH(QRectF, exposed);
    MoveOverlay overlay;
    overlay.arrows = {{QPointF(30, 30), QPointF(370, 310), Side::First},
                      {QPointF(380, 20), QPointF(40, 360), Side::Second},
                      {QPointF(200, 380), QPointF(205, 40), Side::First}};
    overlay.outlines = {{QRectF(290, 290, 24, 24), Side::Second}};
    const QSize size = (QSizeF(400, 400) * scale).toSize();
    const auto paint = [&](const QRectF& part) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(scale, scale);
        paintMoveOverlay(painter, overlay, part);
        return image;
    };
    const QImage whole = paint(QRectF());
    const QImage part = paint(exposed);
    const QRect device = QRectF(exposed.topLeft() * scale, exposed.size() * scale)
                             .toAlignedRect()
                             .intersected(whole.rect());
    // A shaft stroked from a nearer end rounds its antialiasing a level or two apart.
    const auto alike = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) <= 4 && std::abs(qGreen(a) - qGreen(b)) <= 4 &&
               std::abs(qBlue(a) - qBlue(b)) <= 4;
    };
    for (int y = device.top(); y <= device.bottom(); ++y)
        for (int x = device.left(); x <= device.right(); ++x)
            QVERIFY2(alike(part.pixel(x, y), whole.pixel(x, y)),
                     qPrintable(QStringLiteral("at %1, %2: %3 %4")
                                    .arg(x)
                                    .arg(y)
                                    .arg(part.pixel(x, y), 0, 16)
                                    .arg(whole.pixel(x, y), 0, 16)));
    // And everything painted lies inside the overlay's bounds.
    const QRect bounds =
        QRectF(overlay.bounds().topLeft() * scale, overlay.bounds().size() * scale).toAlignedRect();
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x)
            if (!bounds.contains(x, y))
                QCOMPARE(whole.pixel(x, y), qRgb(255, 255, 255));
}

void TestMoveOverlay::onlyChangedMarksAreRepainted() {
    MoveOverlay before;
    before.arrows = {{QPointF(10, 10), QPointF(60, 10), Side::First},
                     {QPointF(10, 90), QPointF(60, 90), Side::Second}};
    before.outlines = {{QRectF(100, 100, 24, 24), Side::First}};
    MoveOverlay after = before;
    after.arrows[1].to = QPointF(60, 140);
    const std::vector<QRectF> areas = changedAreas(before, after);
    QCOMPARE(areas.size(), std::size_t{2});
    QCOMPARE(areas[0], MoveOverlay::boundsOf(before.arrows[1]));
    QCOMPARE(areas[1], MoveOverlay::boundsOf(after.arrows[1]));
    QVERIFY(changedAreas(after, after).empty());
}

QTEST_GUILESS_MAIN(TestMoveOverlay)
#include "tst_moveoverlay.moc"
