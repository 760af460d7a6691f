#pragma once

#include "counters/turnchanges.h"

#include <QString>

struct OpenedMoveFile;

// The headless uses that read a move file and print what it says, and the one that writes a
// new game's first file. Each returns the exit status; a refusal is one line on standard
// error naming the file refused.

// korva --report FILE: the move report a save of that position would write.
int printReport(const QString& file);
// korva --moves FILE [--since EARLIER]: the turn's changes as text.
int printMoves(const QString& file, const QString& since);
// korva --info FILE: what the file says of its game, one "field: value" line each.
int printInfo(const QString& path);
// korva --new-game OUT.
int writeNewGame(const QString& out);

// The moves of the file's turn as the window finds them after an Open, by the same rule
// (the history is only read): since the player's own last file of the game, unless that
// answered this file or a later one. A file named with --since takes the history's place.
TurnMoves movesOfFile(const OpenedMoveFile& file, const QString& path, const QString& since);
