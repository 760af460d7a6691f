#pragma once

class MapBoard;
class ZeKCounter;

// The top counter of the hex as a ZeKCounter; nullptr for an empty stack, an index
// outside the grid, or a counter of another kind.
ZeKCounter* zekCounterAt(const MapBoard& board, int hexIndex);
