#pragma once

#include "counters/orderofbattle.h"
#include "counters/turnchanges.h"

#include <QColor>
#include <QPointF>
#include <QRectF>

#include <vector>

class CounterMgr;
class MapBoard;
class ZeKCounter;
class QPainter;

// The moves of a turn as marks over the map, in map-picture pixels: an arrow from each moved
// counter's start hex to the hex it stands in, and an outline on each counter whose losses
// or marker changed, coloured by side. Views paint it on top of the map picture, never
// into it.
struct MoveOverlay {
    struct Arrow {
        QPointF from;
        QPointF to;
        Side side = Side::First;
        bool operator==(const Arrow&) const = default;
    };
    struct Outline {
        QRectF box;
        Side side = Side::First;
        bool operator==(const Outline&) const = default;
    };

    std::vector<Arrow> arrows;
    std::vector<Outline> outlines;

    bool isEmpty() const { return arrows.empty() && outlines.empty(); }
    // Everything the overlay paints lies inside, pens and arrow heads included.
    QRectF bounds() const;
    // Everything one mark paints lies inside.
    static QRectF boundsOf(const Arrow& arrow);
    static QRectF boundsOf(const Outline& outline);
};

namespace moveoverlay {

// Blue for the first side, orange for the second: colours that people with red-green
// colour blindness tell apart. Each mark has a dark edge, so it reads on the map's greens
// and greys.
QColor sideColour(Side side);
QColor edgeColour();
// An arrow from a point to the edge of a box (a stack of counters), its head stopping just
// short of it so that the counters stay in sight.
MoveOverlay::Arrow arrowInto(const QPointF& from, const QRectF& box, Side side);
// Where a hex draws its stack: the counter picture at the hex position, spread down by the
// stack step.
QRectF stackBox(const MapBoard& board, int hexIndex);
// Where the counter is drawn: the hex position, moved down by its place in the stack.
QRectF counterBox(const ZeKCounter& counter, const MapBoard& board);

} // namespace moveoverlay

// An arrow from where the counter stood in its start hex to the edge of the stack it stands
// in now, its head touching the counters without hiding them; one arrow per start, end and
// side however many counters went that way. An outline frames the counter where its stack
// draws it. The counters must stand on the board as the changes say.
MoveOverlay buildMoveOverlay(const std::vector<CounterChange>& changes, const CounterMgr& counters,
                             const MapBoard& board);

// The areas of the marks one overlay has and the other has not: what a view repaints when
// the one replaces the other, rather than everything both cover.
std::vector<QRectF> changedAreas(const MoveOverlay& before, const MoveOverlay& after);

// Paints the marks with the painter's own transform (the view's zoom), antialiased; only
// those that reach into `exposed` (map pixels), when it is given.
void paintMoveOverlay(QPainter& painter, const MoveOverlay& overlay,
                      const QRectF& exposed = QRectF());
