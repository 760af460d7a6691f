#pragma once

#include "counters/orderofbattle.h"

#include <QString>

// Where a game stands: its turn number (1 at a new game), the side whose move it is, and the
// side that moves first in every turn, which says when the number goes up. Its rules are
// TurnOrder's.
struct TurnRecord {
    static constexpr int kMaxNumber = 9999;

    int number = 1;
    Side toMove = Side::First;
    Side movesFirst = Side::First;

    bool operator==(const TurnRecord&) const = default;
};

// The players' names by side; an empty name was not given.
struct PlayerNames {
    // Long enough for any name, short enough for a tool bar.
    static constexpr int kMaxLength = 40;

    QString first;  // the Allies
    QString second; // the Axis

    bool isEmpty() const { return first.isEmpty() && second.isEmpty(); }
    const QString& of(Side side) const { return side == Side::First ? first : second; }
    bool operator==(const PlayerNames&) const = default;
};

// A character a player's name may hold: none that acts instead of showing (controls,
// bidirectional marks, formatting) and none that draws nothing, so that no name can pass for
// another or reorder the text it is shown in.
bool mayBeInPlayerName(char32_t c);
// A name as Korva keeps it: only characters mayBeInPlayerName allows (a name from a file goes
// to terminals and tool bars), spaces trimmed, at most kMaxLength characters.
QString cleanPlayerName(const QString& name);
