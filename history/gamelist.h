#pragma once

#include "dice/diceverdict.h"
#include "history/gamehistory.h"
#include "history/historyentry.h"
#include "movefile/gameid.h"
#include "movefile/turnrecord.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

// One game of the history as the games list shows it: which game, who plays it, where it
// stands and whose move it is.
struct GameSummary {
    enum class Move { Yours, Theirs, Unknown };

    // The game's folder in the history (GameHistory::gameKey).
    QString key;
    std::optional<GameId> id;
    // From the files, so untrusted text: the name New game asked (empty when no file names
    // one) and the players.
    QString name;
    PlayerNames players;
    // The side the player plays, as the history noted it when they ended a turn or began
    // the game (gameplaces::sideOf); unknown until then.
    std::optional<Side> mySide;
    // The turn the newest readable copy says; unknown when it says none.
    std::optional<TurnRecord> turn;
    // The newest copy; the newest opened (the opponent's) and saved (the player's own).
    HistoryEntry last;
    std::optional<HistoryEntry> theirLast;
    std::optional<HistoryEntry> myLast;
    // The verdict on the dice of the opponent's last file, when asked for and readable.
    std::optional<DiceVerdict> theirDice;

    // Whose move: the side to move against the player's; without a turn, whether the last
    // file came in (theirs to answer) or went out; unknown while the player's side is.
    Move move() const;
    std::optional<Side> theirSide() const;
    // The file a player picking the game wants: the opponent's latest when it is their move,
    // their own latest while they wait, else the last one.
    const HistoryEntry& fileToOpen() const;
};

// A game's copies, oldest first: those of its folder in the history, and the files without
// an id, kept by their folder, whose turns link with its own (one began where another began
// or ended); the folder's key for files that link with no one game.
struct GameCopies {
    QString key;
    std::shared_ptr<const std::vector<HistoryEntry>> entries;
};
// Every game of the history with its copies. Reads where each copy's turn began and ended,
// once per copy, only while there are files without an id.
std::vector<GameCopies> gamesOf(const GameHistory& history);

// The game kept in the history's folder `key`, or of `copies`; nullopt when it holds no copy.
// Reads a few copies (the newest and the player's last saves) and, with `dice`, what the
// verdict on the opponent's last file needs. Copies that cannot be read are passed over.
std::optional<GameSummary> summarizeGame(const GameHistory& history, const QString& key,
                                         bool dice = true);
std::optional<GameSummary> summarizeGame(const GameHistory& history, const GameCopies& copies,
                                         bool dice = true);
// The verdict on the dice of the game's opponent's last file: what summarizeGame adds with
// `dice`, for a summary made without. Nullopt when there is no readable file of theirs. It
// may hash every copy of the game, so it is worth doing apart from the rest.
std::optional<DiceVerdict> opponentDice(const GameHistory& history, const GameSummary& game);
// Every game of the history, in the list's order (sortGames).
std::vector<GameSummary> listGames(const GameHistory& history, bool dice = true);
// The `count` games whose folders changed last and the `wanted` ones (by key), in the list's
// order, without their dice.
std::vector<GameSummary> listRecentGames(const GameHistory& history, int count,
                                         const QStringList& wanted = {});
// The games whose move it is first, then by the time of their last file, newest first.
void sortGames(std::vector<GameSummary>& games);

// Where a kept copy's file is now: in its folder as the game's places know it, else in one
// of `folders` that the copy's folder key names; only a file that still holds the copy's
// bytes. Empty when there is none.
QString originalFile(const GameHistory& history, const QString& gameKey, const HistoryEntry& copy,
                     const QStringList& folders);
