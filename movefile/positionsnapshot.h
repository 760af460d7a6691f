#pragma once

#include "counterrecord.h"

#include <QImage>

#include <vector>

class CounterMgr;
class MapBoard;

// What opening a move file changes besides the tags, noted beforehand so that an open
// that fails half-way can put it all back: every counter's record, the order of every
// stack (a player's turned stacks included) and the map picture.
class PositionSnapshot {
public:
    PositionSnapshot(const CounterMgr& counters, const MapBoard& board);

    // Recreates the counters as noted, stacks them as they stood and puts the picture back.
    void restore(CounterMgr& counters, MapBoard& board) const;

private:
    std::vector<CounterRecord> records_;
    // Positions in the counter list, stack by stack from hex 0, each stack bottom first.
    std::vector<std::size_t> stacked_;
    QImage picture_;
};
