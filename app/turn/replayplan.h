#pragma once

#include "app/shell/trustlabel.h"
#include "counters/turnchanges.h"

#include <QString>

#include <vector>

// What a replay shows, one step after the other: each stack that moved (the counters that
// went from one hex to the same other hex, in file order, the stack in the order of its
// first counter), then each combat.
struct ReplayStep {
    enum class Kind { Move, Combat };
    Kind kind = Kind::Move;
    int fromHex = 0;
    // The hex moved to, or the combat's hex.
    int toHex = 0;
    // Order-of-battle rows, in file order; empty for a combat.
    std::vector<int> counters;
    int die = 0;
    QString comment;
    // The combat's roll: "roll 3, verified"; empty for none.
    QString roll;
    Trust trust = Trust::Unverified;
    bool operator==(const ReplayStep&) const = default;
};

struct ReplayCombat {
    int hex = 0;
    int die = 0;
    QString comment;
    QString roll;
    Trust trust = Trust::Unverified;
};

// "Combat, die 4", with the roll when there is one: "Combat, die 4 (roll 3, verified)".
QString combatHeading(const ReplayStep& combat);

std::vector<ReplayStep> replaySteps(const std::vector<CounterChange>& changes,
                                    const std::vector<ReplayCombat>& combats);
