#pragma once

#include "geometry/afpoint.h"

// Turns a pixel of the map picture into the hex under it. Every point, also one far off
// the picture, yields a hex index 0..2966. Each step is usable alone.
namespace hittest {

int hitTest(AFPoint point);

// The hex whose column strip and row hold the (clamped) point.
int estimateHex(AFPoint point);

// The core rectangle (position) to (position + (24, 39)), all bounds inclusive.
bool insideCore(AFPoint hexPosition, AFPoint point);

// Is the point left of the edge line through p1 and p2; single-precision slope and
// intercept, because the pixels next to a hex's right corner depend on them.
bool leftOfEdge(AFPoint p1, AFPoint p2, AFPoint point);

// The hex touching hexIndex along its upper-right / lower-right edge, or hexIndex itself
// where that neighbour would lie outside the grid.
int upperRightOf(int hexIndex);
int lowerRightOf(int hexIndex);

} // namespace hittest
