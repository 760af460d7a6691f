#pragma once

#include "history/historyentry.h"
#include "movefile/turnrecord.h"

#include <vector>

// Where a turn of the game begins among its kept copies.
struct TurnStart {
    TurnRecord turn;
    // The copy's place among the kept copies.
    std::size_t index = 0;
    bool operator==(const TurnStart&) const = default;
};

// For each turn and side to move that the copies name, the oldest copy that names it: the
// position that move began from. In the game's order; a copy that cannot be read or does not
// say its turn is passed over. `turns` holds each copy's turn as its file says it.
std::vector<TurnStart> turnStarts(const std::vector<std::optional<TurnRecord>>& turns);
// The turn each kept copy says, read from the copies.
std::vector<std::optional<TurnRecord>> keptTurns(const std::vector<HistoryEntry>& kept);
