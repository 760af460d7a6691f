#pragma once

#include "counters/counterplace.h"
#include "counters/counterrecord.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// What one counter did in a turn: where it went, and its losses and marker before and after.
struct CounterChange {
    // 1-based order-of-battle row.
    int counter = 0;
    int fromHex = 0;
    int toHex = 0;
    int lossesBefore = 0;
    int lossesAfter = 0;
    int markerBefore = 0;
    int markerAfter = 0;

    bool moved() const { return fromHex != toHex; }
    bool stateChanged() const { return lossesBefore != lossesAfter || markerBefore != markerAfter; }
    bool operator==(const CounterChange&) const = default;
};

// One change per counter whose hex, losses or marker differ between the two positions, in
// order-of-battle order (the move report's). Counters beyond the shorter list are left out.
std::vector<CounterChange> turnChanges(const std::vector<CounterPlace>& before,
                                       const std::vector<CounterPlace>& after);

// Where the changes of a turn were found.
enum class MovesSource {
    None,            // nothing says where the turn began
    TurnStartRecord, // Korva's own record of the turn's start in the file
    StartHexes,      // the start hexes of the file's counters section
    EarlierPosition, // an earlier file of the game (the player's own last one)
};

// An earlier file of the game that a turn can be measured from.
struct EarlierFile {
    std::vector<CounterRecord> counters;
    // The file's name without its folder, as the player knows it.
    QString name;
};

struct TurnMoves {
    MovesSource source = MovesSource::None;
    std::vector<CounterChange> changes;
    // The earlier file's name when the source is EarlierPosition; empty otherwise.
    QString since;
};

// The changes that lead to the file's position: since the earlier file (its present hexes
// and states) when one is given, which leaves out the player's own moves that a turn-start
// record or start hexes would count as well; else from the turn-start record when the file
// has one; else from the file's start hexes.
TurnMoves movesOfTurn(const std::vector<CounterRecord>& file,
                      const std::optional<std::vector<CounterPlace>>& turnStart,
                      const std::optional<EarlierFile>& earlier);

// The changes as text in the move report's columns: the report's header, then per change
// the unit, from, to and the state after it, and a note of what else changed ("did not
// move", "losses 2/0 -> 2/1", "marker 0 -> 2"). Lines end in CR LF; Windows-1252 bytes.
QByteArray changesText(const std::vector<CounterChange>& changes);
