#pragma once

#include "turns/turnorder.h"

#include <QString>

// The side's name as the window shows it: "Allies" or "Axis".
QString sideName(Side side);
// "Turn 3 · Axis to move (Bob)", the name when given and asked for; "Turn unknown" when no
// file said it.
QString turnText(const TurnOrder& order, bool withPlayer = true);
// "Allies: “Alice” · Axis: “Bob”" (the names quoted as file text); empty when no name was
// given.
QString playersText(const PlayerNames& players);
