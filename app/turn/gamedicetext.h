#pragma once

#include "history/gamedicelog.h"

#include <QString>

#include <functional>

// The words of the game's dice, the same in the window and on a terminal.
namespace gamedicetext {

// "E12", "Off board", "no hex".
QString hexOf(const GameRoll& roll);
// "Turn 3 · Axis"; "Turn unknown".
QString turnOf(const GameRoll& roll);
// A name from a file as a line of Korva's shows it: untrustedtext::quoted in the window,
// quotedForTerminal on a terminal.
using Shown = std::function<QString(const QString&)>;

// "you", "“Bob”"; the opponent's name when the files gave one (by the side of the roll's
// turn, else the side the player does not play), else "opponent".
QString playerOf(const GameRoll& roll, const GameDiceLog& log, const Shown& shown);
// "“Alice” (you)" or "Rolls of “Bob”": whose rolls a summary counts.
QString whoseRolls(bool mine, const GameDiceLog& log, const Shown& shown);
// The verdict on the file that carried an opponent's roll; empty for the player's own.
QString verdictOf(const GameRoll& roll, const Shown& shown);
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
