#pragma once

#include "history/gamehistory.h"
#include "movefile/turnrecord.h"

#include <QString>

#include <optional>

// A move file that came into a watched folder: a new move of a game the history keeps.
struct ArrivedMove {
    // The game's folder in the history (GameHistory::gameKey).
    QString gameKey;
    QString path;
    TurnRecord turn;
};

// The file at `path` when it is a new move of a game of the history: a sound move file that
// names a game the history keeps, fits that game's turns (GameHistory::fitsGame) and says a
// turn later than the newest copy of the game that says one. Nullopt for anything else: not a
// move file, damaged, of no known game, or no newer than what the player has. Only reads.
std::optional<ArrivedMove> arrivedMove(const GameHistory& history, const QString& path);
