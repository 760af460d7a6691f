#pragma once

#include "history/gamedicelog.h"

#include <QString>

// The words of the game's dice, the same in the window and on a terminal.
namespace gamedicetext {

// "E12", "Off board", "no hex".
QString hexOf(const GameRoll& roll);
// "Turn 3 · Axis"; "Turn unknown".
QString turnOf(const GameRoll& roll);
// "you", "Bob"; the opponent's name when the files gave one (by the side of the roll's turn,
// else the side the player does not play), else "opponent". Names come from files: shown
// through untrustedtext by the caller.
QString playerOf(const GameRoll& roll, const GameDiceLog& log);
// "Alice (you)" or "Bob": whose rolls a summary counts.
QString whoseRolls(bool mine, const GameDiceLog& log);
// "24 rolls; ones 3, twos 5, ...; chi-square 4.5: as expected of a fair die".
QString summaryOf(const FaceCounts& faces);
// A summary of each player's rolls: the player's own, or the opponent's with their verified
// rolls and the others apart, each tested on its own.
QString summaryOf(bool mine, const GameDiceLog& log);
// What the statistics leave out: rolls no combat accounts for, rolls beyond what the log
// reads; empty when nothing was.
QString leftOutText(const GameDiceLog& log);
// The whole table and both summaries for a terminal, every text from a file escaped.
QString forTerminal(const GameDiceLog& log);

} // namespace gamedicetext
