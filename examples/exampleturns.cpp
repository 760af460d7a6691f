#include "examples/exampleturns.h"

#include "combat/dierandom.h"
#include "counters/countermgr.h"
#include "counters/movereport.h"
#include "counters/orderofbattle.h"
#include "geometry/hexgrid.h"
#include "movefile/korvaextension.h"
#include "movefile/movefilewriter.h"
#include "movefile/newgamefile.h"

#include <algorithm>
#include <stdexcept>

namespace {

// The hex a player reads on the board, such as O47: column letter and hex number.
int boardHex(char letter, int number) {
    const int column = letter - 'A';
    return hexgrid::hexIndexOf(column, number - 12 + column / 2);
}

// The 1-based order-of-battle row of a counter with a unique name.
std::size_t rowNamed(const std::string& name) {
    CounterInitList rows;
    buildOrderOfBattle(rows);
    const auto it = std::find_if(rows.begin(), rows.end(),
                                 [&](const ZeKCounterInitStruct& row) { return row.name == name; });
    if (it == rows.end())
        throw std::logic_error("no counter named " + name);
    return static_cast<std::size_t>(std::distance(rows.begin(), it)) + 1;
}

MoveFileContents firstTurn() {
    MoveFileContents turn = newGameContents();
    // Four divisions from the holding area to the beaches south of Salerno.
    const std::pair<const char*, int> landings[] = {
        {"UK 46 Inf XX", boardHex('N', 48)},
        {"UK 56 Inf XX", boardHex('O', 48)},
        {"US 36 Inf XX", boardHex('O', 49)},
        {"US 45 Inf XX", boardHex('N', 49)},
    };
    for (const auto& [name, hex] : landings)
        turn.counters[rowNamed(name) - 1].currentHex = hex;
    // They attack Salerno; the die is the program's own, from a fixed seed, and the loss it
    // cost shows as a flipped counter.
    const int salerno = boardHex('O', 47);
    DieRandom die(1943);
    turn.tags.push_back(TagRecord{hexgrid::hexPosition(salerno), rollDie(die, 6, 0, salerno % 6),
                                  "Salerno: UK 46 and 56 Inf XX attack at 2:1"});
    turn.counters[rowNamed("UK 56 Inf XX") - 1].losses = 1;
    turn.banners[0] = "Turn 1: the Allies land at Salerno";
    return turn;
}

QByteArray reportOf(const MoveFileContents& turn) {
    CounterMgr counters;
    counters.applyRecords(turn.counters);
    return moveReport(counters.counters());
}

// Korva's block of a file: its turn and players, nothing else.
QByteArray turnBlock(Side toMove, const PlayerNames& players) {
    KorvaExtension block;
    block.turn = TurnRecord{1, toMove, Side::First};
    block.players = players;
    return encodeKorvaExtension(block);
}

} // namespace

std::vector<ExampleFile> exampleFiles() {
    const MoveFileContents turn = firstTurn();
    return {
        // What korva --new-game writes.
        {QStringLiteral("newgame.krv"),
         encodeMoveFile(newGameContents()) + turnBlock(Side::First, {})},
        // Alice's first turn, for Bob to answer.
        {QStringLiteral("turn1.krv"),
         encodeMoveFile(turn) +
             turnBlock(Side::Second, {QStringLiteral("Alice"), QStringLiteral("Bob")})},
        {QStringLiteral("turn1.txt"), reportOf(turn)},
    };
}
