#pragma once

#include "dice/diceverdict.h"
#include "history/gamehistory.h"
#include "history/gamelist.h"
#include "movefile/turnrecord.h"

#include <QFileInfoList>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// A move file that came into a watched folder: a new move of a game the history keeps.
struct ArrivedMove {
    // The game's folder in the history (GameHistory::gameKey).
    QString gameKey;
    QString path;
    TurnRecord turn;
    // The verdict on the file's dice, when asked for.
    std::optional<DiceVerdict> dice;
};

namespace arrival {

// Far above any move file Korva or the opponent's program writes (the three sections with
// thousands of combats and Korva's block at its largest), far below what Open would still
// read: a folder of downloads holds films and disk images under any name.
inline constexpr qint64 kMaxMoveFileBytes = 2 * 1024 * 1024;
// A folder may hold any number of files; the newest this many are looked at.
inline constexpr qsizetype kMaxFilesPerFolder = 10000;

} // namespace arrival

// The files of a watched folder that may be moves, as the window and `korva --games` alike
// look at them: the ordinary files named *.krv no larger than a move file can be, newest
// first, at most `maxFiles`. Only lists.
QFileInfoList watchedMoveFiles(const QString& folder,
                               qsizetype maxFiles = arrival::kMaxFilesPerFolder);

// The file at `path` when it is a new move of a game of the history: a sound move file that
// names a game the history keeps, fits that game's turns (GameHistory::fitsGame) and says a
// turn later than the newest copy of the game that says one; with `dice`, the verdict on its
// dice too. Nullopt for anything else: not a move file (told by its first bytes, or by its
// size, without reading it), damaged, of no known game, or no newer than what the player has.
// Only reads.
std::optional<ArrivedMove> arrivedMove(const GameHistory& history, const QString& path,
                                       bool dice = false);

// The newest move of each game in the watched folders, by game (arrivedMove for each file
// of watchedMoveFiles).
QHash<QString, ArrivedMove> arrivedMoves(const GameHistory& history, const QStringList& folders,
                                         bool dice = false);

// The game as it stands with the move that arrived: its turn, and the verdict on its dice
// when they were checked.
GameSummary withArrived(GameSummary game, const ArrivedMove& move);
