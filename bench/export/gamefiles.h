#pragma once

#include "counters/counterplace.h"
#include "geometry/hexgrid.h"
#include "movefile/korvaextension.h"
#include "movefile/movefilewriter.h"
#include "movefile/newgamefile.h"
#include "turns/turnorder.h"

#include <QByteArray>

#include <vector>

// A game of `count` positions as Korva saves them, each with its turn and where the turn
// began: every counter on the board, and 40 of them moved a few hexes in each turn.
namespace gamefiles {

inline std::vector<QByteArray> positions(int count) {
    const int boardHexes = hexgrid::kBoardColumns * hexgrid::kRowsPerColumn;
    MoveFileContents contents = newGameContents();
    for (std::size_t n = 0; n < contents.counters.size(); ++n) {
        const int hex = int(n * 7) % boardHexes;
        contents.counters[n] = {hex, hex, 0, 0};
    }
    std::vector<QByteArray> files;
    TurnRecord turn;
    for (int t = 0; t < count; ++t) {
        KorvaExtension block;
        block.turnStart = presentPlaces(contents.counters);
        for (int k = 0; k < 40; ++k) {
            CounterRecord& counter = contents.counters[std::size_t((t * 40 + k * 7) % 234)];
            counter.startHex = counter.currentHex;
            counter.currentHex = (counter.currentHex + 3 + k % 5) % boardHexes;
        }
        block.turn = turn;
        files.push_back(encodeMoveFile(contents) + encodeKorvaExtension(block));
        turn = TurnOrder::next(turn);
    }
    return files;
}

} // namespace gamefiles
