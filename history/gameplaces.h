#pragma once

#include "movefile/gameid.h"
#include "movefile/turnrecord.h"

#include <QString>

#include <optional>

// Where a game's files were: the folder behind each folder key its copies carry, kept in the
// file "places" of the game's folder in the history, one "<folder key> <folder>" line each.
// A copy's name holds only the key, so that the opponent's file is found again where it
// arrived, and the player's own where it was saved.
namespace gameplaces {

// Notes the folder of a move file just kept in the game's history (GameHistory::gameKey);
// nothing when it is known already. Never throws; a place that cannot be written is simply
// not known later.
void note(const QString& historyRoot, const std::optional<GameId>& id, const QString& file);
// The folder behind a folder key of the game; empty when unknown.
QString folderOf(const QString& historyRoot, const QString& gameKey, const QString& folderKey);

// The side the player plays in the game, kept in the file "side" of the game's folder: the
// side they ended a turn for, or the one New game gave them. The move file's own turn cannot
// tell it: a file saved without ending the turn says only whose move it still is, and the
// player may save the opponent's file or their own again. Each note replaces the last; never
// throws.
void noteSide(const QString& historyRoot, const std::optional<GameId>& id, const QString& file,
              Side side);
// The side noted for the game (GameHistory::gameKey); nullopt when none is.
std::optional<Side> sideOf(const QString& historyRoot, const QString& gameKey);

} // namespace gameplaces
