#pragma once

#include "counters/turnchanges.h"

#include <QString>

// "1 change", "3 changes".
QString changeCountText(std::size_t count);
// What the turn list says above an opened turn: how many changes, and where they were
// measured from ("2 changes, since your file b1.krv"); "No moves" for none.
QString turnHeading(const TurnMoves& moves);
