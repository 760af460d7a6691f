#pragma once

#include "movefile/gameid.h"

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

} // namespace gameplaces
