#pragma once

#include "counters/counterrecord.h"

#include <string>
#include <vector>

// The starting position of a new game: every counter in the off-board holding area, one
// per hex, each side in its own columns and grouped by nation or formation. The players
// then drag the counters to their set-up hexes; no historical set-up is invented here.
namespace newgame {

// One side's part of the holding area: grid columns (0-based) and the first grid row, below
// the heading the map draws at the top of the holding area. Counters fill it row by row.
struct HoldingBand {
    int firstColumn;
    int columns;
    int firstRow;
};
// The first side lies next to the board; one empty column keeps the sides apart.
inline constexpr HoldingBand kFirstSideBand{25, 8, 4};
inline constexpr HoldingBand kSecondSideBand{34, 9, 4};

// The group of a counter, from its 1-based order-of-battle row and its name. First side:
// the letters the name starts with, which name the nation or formation ("UK", "US" also
// for "US-Cdn", "Fr", "Rome", "FA", ...). Second side: "Fort", "Port", "Marker" for those
// counters, "Rep" for names starting "Rep:", "German" for every other unit.
std::string groupOf(int row, const std::string& name);

struct CounterGroup {
    std::string name;
    // 1-based order-of-battle rows, in order-of-battle order.
    std::vector<int> rows;
};
// One side's groups, in the order their first counter appears in the order of battle.
std::vector<CounterGroup> counterGroups(bool firstSide);

// One record per counter, in order-of-battle order: start hex = present hex in the holding
// area, no losses, no marker. In its side's band each group follows the one before after an
// empty hex when it fits in the rest of that row, and starts the next row otherwise.
std::vector<CounterRecord> newGameRecords();

// True when every counter stands in its placeholder hex (counter n in hex n): the position
// saved by a program that never had a game opened.
bool isPlaceholderPosition(const std::vector<CounterRecord>& records);

} // namespace newgame
