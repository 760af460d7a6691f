#include "overlay/moveoverlay.h"

#include "counters/countermgr.h"
#include "counters/newgamelayout.h"
#include "geometry/hexgrid.h"
#include "geometry/mapboard.h"

#include <QLineF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <iterator>

namespace {

// The counter pictures are 24 x 24 pixels.
constexpr double kCounterSize = 24;
// Between an arrow's head and the counters it points at.
constexpr double kEndGap = 1.5;
constexpr double kHeadLength = 11;
constexpr double kHeadHalfWidth = 6;
constexpr double kStartDotRadius = 3.5;
constexpr double kShaftWidth = 3;
constexpr double kEdgeWidth = 2; // on each side of a coloured stroke
constexpr double kOutlineGap = 2;

// Where the line from a point outside the box to the box's middle enters it.
QPointF entryPoint(QPointF from, const QRectF& box) {
    const QPointF d = box.center() - from;
    double enter = 0;
    if (d.x() != 0)
        enter = std::max(enter, ((d.x() > 0 ? box.left() : box.right()) - from.x()) / d.x());
    if (d.y() != 0)
        enter = std::max(enter, ((d.y() > 0 ? box.top() : box.bottom()) - from.y()) / d.y());
    return from + d * std::clamp(enter, 0.0, 1.0);
}

// The arrow's shaft ends where its head begins.
struct ArrowShape {
    QPointF shaftEnd;
    QPolygonF head;
};

ArrowShape shapeOf(const MoveOverlay::Arrow& arrow) {
    const QLineF line(arrow.from, arrow.to);
    const double length = std::max(line.length(), 1.0);
    const QPointF along = (arrow.to - arrow.from) / length;
    const QPointF across(-along.y(), along.x());
    const QPointF base = arrow.to - along * std::min(kHeadLength, length);
    return {base,
            QPolygonF({arrow.to, base + across * kHeadHalfWidth, base - across * kHeadHalfWidth})};
}

} // namespace

namespace moveoverlay {

QColor sideColour(MoveOverlay::Side side) {
    return side == MoveOverlay::Side::First ? QColor(0, 114, 178) : QColor(230, 159, 0);
}

QColor edgeColour() {
    return {20, 20, 24};
}

MoveOverlay::Side sideOf(int counter) {
    return counter <= newgame::kFirstSideRows ? MoveOverlay::Side::First
                                              : MoveOverlay::Side::Second;
}

QRectF stackBox(const MapBoard& board, int hexIndex) {
    const Hex& hex = board.hex(hexIndex);
    const AFPoint p = hex.position();
    const int spread = std::max(hex.count() - 1, 0) * hex.stackStep().y;
    return {double(p.x), double(p.y), kCounterSize, kCounterSize + spread};
}

QRectF counterBox(const ZeKCounter& counter, const MapBoard& board) {
    const int hexIndex = counter.currentHex().index();
    const Hex& hex = board.hex(hexIndex);
    const auto& stack = hex.stack();
    const auto found = std::find(stack.begin(), stack.end(), &counter);
    const int place = found == stack.end() ? 0 : int(std::distance(stack.begin(), found));
    const AFPoint p = hex.position();
    const AFPoint step = hex.stackStep();
    return {double(p.x + place * step.x), double(p.y + place * step.y), kCounterSize, kCounterSize};
}

} // namespace moveoverlay

using moveoverlay::counterBox;
using moveoverlay::stackBox;

QRectF MoveOverlay::bounds() const {
    QRectF area;
    const double reach = kHeadHalfWidth + kEdgeWidth + 1;
    for (const Arrow& arrow : arrows)
        area |= QRectF(arrow.from, arrow.to).normalized().adjusted(-reach, -reach, reach, reach);
    const double frame = kOutlineGap + kEdgeWidth + 2;
    for (const Outline& outline : outlines)
        area |= outline.box.adjusted(-frame, -frame, frame, frame);
    return area;
}

MoveOverlay buildMoveOverlay(const std::vector<CounterChange>& changes, const CounterMgr& counters,
                             const MapBoard& board) {
    std::vector<const ZeKCounter*> byRow;
    for (const auto& counter : counters.counters())
        byRow.push_back(counter.get());

    MoveOverlay overlay;
    for (const CounterChange& change : changes) {
        const MoveOverlay::Side side = moveoverlay::sideOf(change.counter);
        if (change.moved() && hexgrid::isValidHex(change.fromHex) &&
            hexgrid::isValidHex(change.toHex)) {
            // From where the counter stood to the edge of the stack it stands in now.
            const AFPoint start = hexgrid::hexPosition(change.fromHex);
            const QPointF from(start.x + kCounterSize / 2, start.y + kCounterSize / 2);
            const QPointF edge = entryPoint(from, stackBox(board, change.toHex));
            const QLineF line(from, edge);
            const QPointF to =
                line.length() > kEndGap ? line.pointAt(1.0 - kEndGap / line.length()) : edge;
            const MoveOverlay::Arrow arrow{from, to, side};
            if (std::find(overlay.arrows.begin(), overlay.arrows.end(), arrow) ==
                overlay.arrows.end())
                overlay.arrows.push_back(arrow);
        }
        const bool known = change.counter >= 1 && std::size_t(change.counter) <= byRow.size();
        if (change.stateChanged() && known) {
            const ZeKCounter& counter = *byRow[std::size_t(change.counter) - 1];
            if (hexgrid::isValidHex(counter.currentHex().index()))
                overlay.outlines.push_back({counterBox(counter, board), side});
        }
    }
    return overlay;
}

void paintMoveOverlay(QPainter& painter, const MoveOverlay& overlay) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor edge = moveoverlay::edgeColour();
    const auto pen = [](const QColor& colour, double width) {
        return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    };

    for (const MoveOverlay::Outline& outline : overlay.outlines) {
        const QRectF frame =
            outline.box.adjusted(-kOutlineGap, -kOutlineGap, kOutlineGap, kOutlineGap);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(pen(edge, 2 + 2 * kEdgeWidth));
        painter.drawRect(frame);
        painter.setPen(pen(moveoverlay::sideColour(outline.side), 2));
        painter.drawRect(frame);
    }
    for (const MoveOverlay::Arrow& arrow : overlay.arrows) {
        const QColor colour = moveoverlay::sideColour(arrow.side);
        const ArrowShape shape = shapeOf(arrow);
        // The dark edge first, then the colour inside it.
        painter.setPen(pen(edge, kShaftWidth + 2 * kEdgeWidth));
        painter.setBrush(edge);
        painter.drawLine(arrow.from, shape.shaftEnd);
        painter.drawPolygon(shape.head);
        painter.drawEllipse(arrow.from, kStartDotRadius, kStartDotRadius);
        painter.setPen(pen(colour, kShaftWidth));
        painter.setBrush(colour);
        painter.drawLine(arrow.from, shape.shaftEnd);
        painter.setPen(Qt::NoPen);
        painter.drawPolygon(shape.head);
        painter.drawEllipse(arrow.from, kStartDotRadius - 1, kStartDotRadius - 1);
    }
    painter.restore();
}
