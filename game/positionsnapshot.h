#pragma once

#include "counters/counterrecord.h"

#include <vector>

class CounterMgr;
class MapBoard;

// What a new position (Open, New game, a past shown) changes besides the tags, noted
// beforehand so that one that fails half-way can put it all back, and so that a past shown
// can give the present back: every counter's record and the order of every stack (a
// player's turned stacks included). The picture is drawn again from them rather than
// copied: a copy of the whole map would cost every Open far more than the drawing.
class PositionSnapshot {
public:
    PositionSnapshot(const CounterMgr& counters, const MapBoard& board);

    // Recreates the counters as noted, stacks them as they stood and draws every hex again.
    void restore(CounterMgr& counters, MapBoard& board) const;

private:
    std::vector<CounterRecord> records_;
    // Positions in the counter list, stack by stack from hex 0, each stack bottom first.
    std::vector<std::size_t> stacked_;
};
