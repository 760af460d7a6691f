#include "hittest.h"

#include "hexgrid.h"

using namespace hexgrid;

namespace hittest {

int estimateHex(AFPoint point) {
    int x = point.x;
    if (x > 1494)
        x = 1493;
    if (x < 0)
        x = 1;
    const int column = x / kColumnPitch;

    int y = point.y;
    if (y > 2690)
        y = 2690;
    if (column % 2 != 0)
        y -= kHalfHeight;
    if (y < 0)
        y = 0;
    return hexIndexOf(column, y / kHexHeight);
}

bool insideCore(AFPoint pos, AFPoint point) {
    return pos.x <= point.x && point.x <= pos.x + kTopEdgeWidth && pos.y <= point.y &&
           point.y <= pos.y + kHexHeight;
}

bool leftOfEdge(AFPoint p1, AFPoint p2, AFPoint point) {
    const float slope = static_cast<float>(p2.y - p1.y) / static_cast<float>(p2.x - p1.x);
    const float intercept =
        static_cast<float>(static_cast<double>(p1.y) - static_cast<double>(p1.x) * slope);
    const double q = (static_cast<double>(point.y) - intercept) / static_cast<double>(slope);
    // Truncation toward zero; clamp first so a far-off point cannot overflow the cast.
    const double limited = q > 2e9 ? 2e9 : (q < -2e9 ? -2e9 : q);
    const int c = static_cast<int>(limited);
    return point.x < c;
}

int upperRightOf(int hexIndex) {
    if (hexIndex + kRowsPerColumn >= kHexCount)
        return hexIndex;
    if (columnOf(hexIndex) % 2 == 0)
        return rowOf(hexIndex) == 0 ? hexIndex : hexIndex + kRowsPerColumn - 1;
    return hexIndex + kRowsPerColumn;
}

int lowerRightOf(int hexIndex) {
    if (hexIndex + kRowsPerColumn >= kHexCount)
        return hexIndex;
    if (columnOf(hexIndex) % 2 == 0)
        return hexIndex + kRowsPerColumn;
    return rowOf(hexIndex) == kRowsPerColumn - 1 ? hexIndex : hexIndex + kRowsPerColumn + 1;
}

int hitTest(AFPoint point) {
    const int i = estimateHex(point);
    const AFPoint p = hexPosition(i);
    if (insideCore(p, point))
        return i;
    const AFPoint rightCorner{p.x + kTopEdgeWidth + kSideOverhang, p.y + kHalfHeight};
    if (point.y < p.y + kHalfHeight) {
        if (leftOfEdge({p.x + kTopEdgeWidth, p.y}, rightCorner, point))
            return i;
        return upperRightOf(i);
    }
    if (leftOfEdge(rightCorner, {p.x + kTopEdgeWidth, p.y + kHexHeight}, point))
        return i;
    return lowerRightOf(i);
}

} // namespace hittest
