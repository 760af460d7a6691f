#pragma once

#include "counters/orderofbattle.h"
#include "geometry/hexgrid.h"
#include "movefile/movefilecontents.h"
#include "movefile/movefilewriter.h"

#include <QByteArray>

#include <algorithm>
#include <string>

// Move files for the benchmarks: every counter of the order of battle on the board, with
// losses, markers and 50 combats.
namespace busymovefile {

// The board hex of the n-th counter: spread out (one counter a hex), or stacked in runs
// of 1 to 8 counters on neighbouring hexes.
inline int spreadHex(int n) {
    return (n * 7) % (hexgrid::kBoardColumns * hexgrid::kRowsPerColumn);
}
inline int stackedHex(int n) {
    // Stacks of 1, 2, ..., 8 counters, then again, on every third hex.
    int stack = 0;
    for (int size = 1, left = n; left >= size; left -= size, size = size % 8 + 1)
        ++stack;
    return hexgrid::hexIndexOf(2 + (stack * 3) / hexgrid::kRowsPerColumn % 20,
                               (stack * 3) % hexgrid::kRowsPerColumn);
}

inline QByteArray make(bool stacked) {
    const int boardHexes = hexgrid::kBoardColumns * hexgrid::kRowsPerColumn;
    MoveFileContents contents;
    CounterInitList rows;
    buildOrderOfBattle(rows);
    int n = 0;
    for (const ZeKCounterInitStruct& row : rows) {
        const int hex = stacked ? stackedHex(n) : spreadHex(n);
        contents.counters.push_back(
            {hex, (hex + n % 3) % boardHexes, std::min(n % 2, row.steps), n % 3});
        ++n;
    }
    for (int t = 0; t < 50; ++t)
        contents.tags.push_back(
            {hexgrid::hexPosition((t * 37) % boardHexes), t % 6 + 1, "combat at the river"});
    contents.banners = {"Turn 12", "Allies",
                        std::string(61, ' ') + "https://korva.example.org/ita"};
    return encodeMoveFile(contents);
}

// All counters on board hexes, no two in one hex.
inline QByteArray busy() {
    return make(false);
}

// All counters in stacks of one to eight.
inline QByteArray stackBusy() {
    return make(true);
}

} // namespace busymovefile
