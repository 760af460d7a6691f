#pragma once

#include "geometry/afpoint.h"

#include <string>
#include <vector>

// The flat-topped hex grid laid over the map picture. A hex is named by its hex index,
// column * 69 + row; odd columns sit half a hex lower.
namespace hexgrid {

inline constexpr int kColumns = 43;
inline constexpr int kRowsPerColumn = 69;
inline constexpr int kHexCount = kColumns * kRowsPerColumn; // 2967
inline constexpr int kColumnPitch = 35;
inline constexpr int kHexHeight = 39;
inline constexpr int kTopEdgeWidth = 24;
inline constexpr int kSideOverhang = 11;
inline constexpr int kHalfHeight = 19;
inline constexpr int kBoardColumns = 25;

// The hit test first pulls a point into the grid: x beyond 1494, the right end of the last
// column's top edge, counts as 1493 and a negative x as 1; y beyond 2690, the last pixel
// row of the last row of even columns, counts as 2690.
inline constexpr int kHitTestMaxX = (kColumns - 1) * kColumnPitch + kTopEdgeWidth;
inline constexpr int kHitTestMaxY = kRowsPerColumn * kHexHeight - 1;
static_assert(kHitTestMaxX == 1494 && kHitTestMaxY == 2690);

// The drop area in map pixels, 0 <= x < kDropWidth and 0 <= y < kDropHeight: a counter
// released beyond it stays where it was.
inline constexpr int kDropWidth = 1494;
inline constexpr int kDropHeight = 2720;

// Extent covered by the hex outlines: x -11..1505, y 0..2710.
inline constexpr int kExtentLeft = -kSideOverhang;
inline constexpr int kExtentRight = (kColumns - 1) * kColumnPitch + kTopEdgeWidth + kSideOverhang;
inline constexpr int kExtentBottom = (kRowsPerColumn - 1) * kHexHeight + kHalfHeight + kHexHeight;

constexpr int columnOf(int hexIndex) {
    return hexIndex / kRowsPerColumn;
}
constexpr int rowOf(int hexIndex) {
    return hexIndex % kRowsPerColumn;
}
constexpr int hexIndexOf(int column, int row) {
    return column * kRowsPerColumn + row;
}
constexpr bool isValidHex(int hexIndex) {
    return hexIndex >= 0 && hexIndex < kHexCount;
}

// True for the 25 board columns (A..Y); the rest of the grid is "Off board" space.
constexpr bool isOnBoard(int hexIndex) {
    return hexIndex / kRowsPerColumn < kBoardColumns;
}

// The hex position: the left end of the hex's top edge.
AFPoint hexPosition(int hexIndex);

// The hex whose position `position` is (a combat's records it); -1 for none.
int hexAtPosition(AFPoint position);

// The middle of the hex's counter area, 12 right of and 19 below its position: where a
// stack shows, and a point whose hit test gives the hex back.
AFPoint hexCentre(int hexIndex);

// Seven points, clockwise from the position, the first repeated to close the hexagon.
std::vector<AFPoint> hexOutline(int hexIndex);

// "Hex : " with column letter and hex number for board hexes, "Off board" otherwise.
std::string hexLabel(int hexIndex);

} // namespace hexgrid
