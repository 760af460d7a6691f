#pragma once

#include "history/gamelist.h"

#include <QDateTime>
#include <QString>

#include <functional>

// The games list's words, for the window and the terminal alike. Text that came from a file
// or a file's name goes through `shown` (untrustedtext::quoted or quotedForTerminal), so that
// a name never passes for a column or a word of Korva's.
namespace gamelisttext {

using Shown = std::function<QString(const QString&)>;

// The game's name; else its players ("Alice – Bob"); else its last file's title.
QString name(const GameSummary& game, const Shown& shown);
// "you: Alice (Allies) · opponent: Bob (Axis)"; "Allies: Alice · Axis: Bob" while the
// player's side is not known.
QString players(const GameSummary& game, const Shown& shown);
// "Turn 5 · Axis to move", or "Turn unknown".
QString turn(const GameSummary& game);
// "your move", "waiting for Bob", "your side: not yet known", or with a move that came into a
// watched folder "new move from Bob".
QString whoseMove(const GameSummary& game, const Shown& shown, bool newMove = false);
// A side as a sentence names it: "the Allies", "the Axis".
QString sideWithArticle(Side side);
// The opponent as the list names them: their name, else their side ("the Axis").
QString opponent(const GameSummary& game, const Shown& shown);
// "salerno_t05_axis.krv, opened 3 hours ago" ("saved" for the player's own).
QString lastFile(const GameSummary& game, const QDateTime& now, const Shown& shown);
// The verdict on the opponent's last file's dice (Korva's words, a file's name in it through
// `shown`); empty when there is none.
QString dice(const GameSummary& game, const Shown& shown);
// "just now", "5 minutes ago", "1 hour ago", "3 days ago".
QString ago(const QDateTime& then, const QDateTime& now);
// Everything above on one line, the columns apart by " | ".
QString line(const GameSummary& game, const QDateTime& now, const Shown& shown,
             bool newMove = false);

} // namespace gamelisttext
