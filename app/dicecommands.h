#pragma once

#include <QString>

// The headless uses about the dice; each returns the exit status.

// The verdict on the opponent's rolls in FILE, checked against MYFILE (the file the player
// sent) or else the history's copy of it, and the commitment the history kept. Exits 0 when
// every roll is verified, 1 otherwise.
int verifyRolls(const QString& file, const QString& mine);

// Every roll of the file's game that the history holds, both players', and how fair each
// player's die looks.
int printGameDice(const QString& file);
