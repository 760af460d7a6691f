#include "overlay/moveoverlay.h"

#include "board/mapboard.h"
#include "counters/countermgr.h"
#include "counters/orderofbattle.h"
#include "geometry/hexgrid.h"

#include <QLineF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>

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
// Half the dark pen under an arrow's colour, which rounds its shaft, head and start dot.
constexpr double kEdgePenReach = kShaftWidth / 2 + kEdgeWidth;
// How far an arrow's head, start dot and edged shaft reach from its line, with a pixel
// for the antialiasing.
constexpr double kArrowReach = kHeadHalfWidth + kEdgePenReach + 1;

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

// A view repaints many arrows at every scroll step, so they are drawn the quickest way
// the painter has for each part, all looking as wide round pens would draw them: shafts
// as lines with flat ends (their ends lie under the start dot and the head, or outside
// the part painted), dots and heads as filled shapes.
constexpr double kPi = 3.14159265358979323846;
// Corners are rounded in steps of at most this angle: under a quarter of a device pixel
// from a true circle even at four times the map's size.
constexpr double kArcStep = kPi / 12;

// A convex polygon grown by `radius` with rounded corners: what a pen twice that wide with
// round joins draws around it, filled.
QPolygonF grown(const QPolygonF& convex, double radius) {
    const int n = static_cast<int>(convex.size());
    double area = 0;
    for (int i = 0; i < n; ++i) {
        const QPointF& a = convex[i];
        const QPointF& b = convex[(i + 1) % n];
        area += a.x() * b.y() - b.x() * a.y();
    }
    if (n < 3 || area == 0)
        return convex;
    const double outward = area > 0 ? 1 : -1;
    // The angle of the outward normal of the edge from a to b.
    const auto normalAngle = [outward](const QPointF& a, const QPointF& b) {
        const QPointF d = b - a;
        return std::atan2(-d.x() * outward, d.y() * outward);
    };
    QPolygonF polygon;
    for (int i = 0; i < n; ++i) {
        const QPointF& corner = convex[i];
        const double from = normalAngle(convex[(i + n - 1) % n], corner);
        double sweep = normalAngle(corner, convex[(i + 1) % n]) - from;
        while (sweep > kPi)
            sweep -= 2 * kPi;
        while (sweep <= -kPi)
            sweep += 2 * kPi;
        const int steps = std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / kArcStep)));
        for (int k = 0; k <= steps; ++k) {
            const double angle = from + sweep * k / steps;
            polygon << corner + radius * QPointF(std::cos(angle), std::sin(angle));
        }
    }
    return polygon;
}

// The part of the segment from `a` to `b` inside the rectangle, if any (Liang and Barsky's
// clipping): a long arrow's bounding box meets far more of the map than its shaft does, and
// stroking all of a shaft to show a sliver of it costs its whole length.
std::optional<QLineF> clippedSegment(QPointF a, QPointF b, const QRectF& rect) {
    const QPointF d = b - a;
    double enter = 0.0;
    double leave = 1.0;
    const auto clip = [&enter, &leave](double p, double q) {
        if (p == 0.0)
            return q >= 0.0;
        const double t = q / p;
        if (p < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        return enter <= leave;
    };
    if (!(clip(-d.x(), a.x() - rect.left()) && clip(d.x(), rect.right() - a.x()) &&
          clip(-d.y(), a.y() - rect.top()) && clip(d.y(), rect.bottom() - a.y())))
        return std::nullopt;
    return QLineF(a + d * enter, a + d * leave);
}

} // namespace

namespace moveoverlay {

QColor sideColour(Side side) {
    return side == Side::First ? QColor(0, 114, 178) : QColor(230, 159, 0);
}

QColor edgeColour() {
    return {20, 20, 24};
}

MoveOverlay::Arrow arrowInto(const QPointF& from, const QRectF& box, Side side) {
    const QPointF edge = entryPoint(from, box);
    const QLineF line(from, edge);
    const QPointF to = line.length() > kEndGap ? line.pointAt(1.0 - kEndGap / line.length()) : edge;
    return {from, to, side};
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

QRectF MoveOverlay::boundsOf(const Arrow& arrow) {
    return QRectF(arrow.from, arrow.to)
        .normalized()
        .adjusted(-kArrowReach, -kArrowReach, kArrowReach, kArrowReach);
}

QRectF MoveOverlay::boundsOf(const Outline& outline) {
    const double frame = kOutlineGap + kEdgeWidth + 2;
    return outline.box.adjusted(-frame, -frame, frame, frame);
}

QRectF MoveOverlay::bounds() const {
    QRectF area;
    for (const Arrow& arrow : arrows)
        area |= boundsOf(arrow);
    for (const Outline& outline : outlines)
        area |= boundsOf(outline);
    return area;
}

namespace {

template <typename Mark>
void addMissing(const std::vector<Mark>& from, const std::vector<Mark>& in,
                std::vector<QRectF>& areas) {
    for (const Mark& mark : from)
        if (std::find(in.begin(), in.end(), mark) == in.end())
            areas.push_back(MoveOverlay::boundsOf(mark));
}

} // namespace

std::vector<QRectF> changedAreas(const MoveOverlay& before, const MoveOverlay& after) {
    std::vector<QRectF> areas;
    addMissing(before.arrows, after.arrows, areas);
    addMissing(after.arrows, before.arrows, areas);
    addMissing(before.outlines, after.outlines, areas);
    addMissing(after.outlines, before.outlines, areas);
    return areas;
}

MoveOverlay buildMoveOverlay(const std::vector<CounterChange>& changes, const CounterMgr& counters,
                             const MapBoard& board) {
    std::vector<const ZeKCounter*> byRow;
    for (const auto& counter : counters.counters())
        byRow.push_back(counter.get());

    MoveOverlay overlay;
    for (const CounterChange& change : changes) {
        const Side side = sideOfRow(change.counter);
        if (change.moved() && hexgrid::isValidHex(change.fromHex) &&
            hexgrid::isValidHex(change.toHex)) {
            // From where the counter stood to the edge of the stack it stands in now.
            const AFPoint start = hexgrid::hexPosition(change.fromHex);
            const QPointF from(start.x + kCounterSize / 2, start.y + kCounterSize / 2);
            const MoveOverlay::Arrow arrow =
                moveoverlay::arrowInto(from, stackBox(board, change.toHex), side);
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

namespace {

QPen roundPen(const QColor& colour, double width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPen shaftPen(const QColor& colour, double width) {
    return QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
}

void paintOutlines(QPainter& painter, const std::vector<MoveOverlay::Outline>& outlines,
                   const QRectF& exposed) {
    const QColor edge = moveoverlay::edgeColour();
    for (const MoveOverlay::Outline& outline : outlines) {
        if (!exposed.isNull() && !MoveOverlay::boundsOf(outline).intersects(exposed))
            continue;
        const QRectF frame =
            outline.box.adjusted(-kOutlineGap, -kOutlineGap, kOutlineGap, kOutlineGap);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(roundPen(edge, 2 + 2 * kEdgeWidth));
        painter.drawRect(frame);
        painter.setPen(roundPen(moveoverlay::sideColour(outline.side), 2));
        painter.drawRect(frame);
    }
}

// The parts of an arrow that reach into the part exposed.
struct ArrowParts {
    std::optional<QLineF> shaft;
    bool head = false;
    bool start = false;
};

void paintArrow(QPainter& painter, const MoveOverlay::Arrow& arrow, const QPolygonF& head,
                const ArrowParts& parts) {
    const QColor edge = moveoverlay::edgeColour();
    const QColor colour = moveoverlay::sideColour(arrow.side);
    // The dark edge first, then the colour inside it.
    painter.setBrush(edge);
    if (parts.shaft) {
        painter.setPen(shaftPen(edge, kShaftWidth + 2 * kEdgeWidth));
        painter.drawLine(*parts.shaft);
    }
    painter.setPen(Qt::NoPen);
    if (parts.head)
        painter.drawPolygon(grown(head, kEdgePenReach));
    if (parts.start) {
        const double radius = kStartDotRadius + kEdgePenReach;
        painter.drawEllipse(arrow.from, radius, radius);
    }
    painter.setBrush(colour);
    if (parts.shaft) {
        painter.setPen(shaftPen(colour, kShaftWidth));
        painter.drawLine(*parts.shaft);
    }
    painter.setPen(Qt::NoPen);
    if (parts.head)
        painter.drawPolygon(head);
    if (parts.start)
        painter.drawEllipse(arrow.from, kStartDotRadius - 1, kStartDotRadius - 1);
}

} // namespace

void paintMoveOverlay(QPainter& painter, const MoveOverlay& overlay, const QRectF& exposed) {
    // Hundreds of antialiased arrows cost more than the few pixels a move or a scroll step
    // repaints: only the marks that reach into the part exposed are drawn.
    const QRectF near = exposed.adjusted(-kArrowReach, -kArrowReach, kArrowReach, kArrowReach);
    const auto touches = [&exposed](const QRectF& area) {
        return exposed.isNull() || area.adjusted(-kEdgePenReach - 1, -kEdgePenReach - 1,
                                                 kEdgePenReach + 1, kEdgePenReach + 1)
                                       .intersects(exposed);
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintOutlines(painter, overlay.outlines, exposed);
    for (const MoveOverlay::Arrow& arrow : overlay.arrows) {
        const ArrowShape shape = shapeOf(arrow);
        // The shaft as far as it reaches into the part exposed; its ends lie under the start
        // dot and the head, or out of the part exposed, so they are left flat.
        const QRectF dot(arrow.from - QPointF(kStartDotRadius, kStartDotRadius),
                         QSizeF(2 * kStartDotRadius, 2 * kStartDotRadius));
        const ArrowParts parts{exposed.isNull() ? QLineF(arrow.from, shape.shaftEnd)
                                                : clippedSegment(arrow.from, shape.shaftEnd, near),
                               touches(shape.head.boundingRect()), touches(dot)};
        if (parts.shaft || parts.head || parts.start)
            paintArrow(painter, arrow, shape.head, parts);
    }
    painter.restore();
}
