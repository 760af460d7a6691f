#include "geometry/hittest.h"

#include "geometry/hexgrid.h"

using namespace hexgrid;

namespace hittest {
namespace {

// The steps on plain integers: the hit test runs on every mouse movement, and AFPoint's
// virtual destructor would otherwise force every step through memory.

int estimate(int x, int y) {
    if (x > kHitTestMaxX)
        x = kHitTestMaxX - 1;
    if (x < 0)
        x = 1;
    const int column = x / kColumnPitch;
    if (y > kHitTestMaxY)
        y = kHitTestMaxY;
    if (column % 2 != 0)
        y -= kHalfHeight;
    if (y < 0)
        y = 0;
    return hexIndexOf(column, y / kHexHeight);
}

bool inCore(int px, int py, int x, int y) {
    return px <= x && x <= px + kTopEdgeWidth && py <= y && y <= py + kHexHeight;
}

bool leftOf(int x1, int y1, int x2, int y2, int x, int y) {
    const float slope = static_cast<float>(y2 - y1) / static_cast<float>(x2 - x1);
    const float intercept =
        static_cast<float>(static_cast<double>(y1) - static_cast<double>(x1) * slope);
    const double q = (static_cast<double>(y) - intercept) / static_cast<double>(slope);
    // Truncation toward zero; limited first so a far-off point cannot overflow the cast.
    const double limited = q > 2e9 ? 2e9 : (q < -2e9 ? -2e9 : q);
    return x < static_cast<int>(limited);
}

} // namespace

int estimateHex(AFPoint point) {
    return estimate(point.x, point.y);
}

bool insideCore(AFPoint pos, AFPoint point) {
    return inCore(pos.x, pos.y, point.x, point.y);
}

bool leftOfEdge(AFPoint p1, AFPoint p2, AFPoint point) {
    return leftOf(p1.x, p1.y, p2.x, p2.y, point.x, point.y);
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
    const int x = point.x;
    const int y = point.y;
    const int i = estimate(x, y);
    const int column = columnOf(i);
    const int px = column * kColumnPitch;
    const int py = rowOf(i) * kHexHeight + (column % 2 != 0 ? kHalfHeight : 0);
    if (inCore(px, py, x, y))
        return i;
    const int cornerX = px + kTopEdgeWidth + kSideOverhang;
    const int cornerY = py + kHalfHeight;
    if (y < cornerY)
        return leftOf(px + kTopEdgeWidth, py, cornerX, cornerY, x, y) ? i : upperRightOf(i);
    return leftOf(cornerX, cornerY, px + kTopEdgeWidth, py + kHexHeight, x, y) ? i
                                                                               : lowerRightOf(i);
}

} // namespace hittest
