#pragma once

#include "counters/counterplace.h"
#include "counters/counterrecord.h"
#include "counters/turnchanges.h"
#include "movefile/gameid.h"
#include "movefile/korvaextension.h"
#include "turns/turnorder.h"

#include <QString>

#include <optional>
#include <vector>

class CounterMgr;
struct OpenedMoveFile;

// What Korva keeps about the game beyond the three sections of its move files: how every
// counter stood when this turn began, the game's id and this turn's note, all written into
// Korva's own block at each save; and what the file opened last said about its turn.
//
// A counter's start hex never changes within a turn (only Open, New game and an end of
// turn set it), so the turn start takes its hexes from the counters' start hexes and keeps
// only the losses and markers they began the turn with.
class TurnKeeper {
public:
    // A program just started: the turn begins with the counters as they stand; no game id.
    explicit TurnKeeper(const CounterMgr& counters);

    // New game: the turn begins with the counters as they stand; the id, notes and name are
    // gone; the turn order is the new game's.
    void newGame(const CounterMgr& counters, TurnOrder order = {});
    // Open, once the file's position is applied to the counters. The turn begins with the
    // counters as the file left them; when the file's own turn start agrees with its start
    // hexes (it was saved in the middle of a turn) its losses and markers are the turn's
    // start. The file's game id is adopted, else `gameOfFolder` (the game whose files were
    // kept from the same folder). The file's moves are those since `ownLastFile` (the
    // player's own last file of the game) when there is one, else they come from its turn
    // start or its start hexes (movesOfTurn). This turn's note starts empty. The turn and the
    // players are the file's; unknown when it does not say. Without `takeGameId` the file's
    // id is not taken (it claims a game it does not belong to): the next save makes a new one.
    void opened(const OpenedMoveFile& file, const std::optional<GameId>& gameOfFolder,
                const std::optional<EarlierFile>& ownLastFile, bool takeGameId = true);
    // The block a save appends: the turn start as it stands before any end of turn, the game
    // id (made now at the first save of a game), the note, the players, the turn as it
    // stands after the save (with an end of turn, the other side's move), the game's name
    // and this Korva's version.
    KorvaExtension extensionForSave(const CounterMgr& counters, bool endOfTurn = false);
    // A save succeeded; with an end of turn the next turn begins with the counters as they
    // now stand, and the move goes to the other side. The note stays until Open or New game.
    void saved(bool endOfTurn, const CounterMgr& counters);

    // Per counter, its start hex and the losses and marker it had when this turn began.
    std::vector<CounterPlace> turnStart(const CounterMgr& counters) const;
    const std::optional<GameId>& gameId() const { return gameId_; }
    // This turn's message to the opponent, written with the next save.
    const QString& note() const { return note_; }
    void setNote(const QString& note) { note_ = note; }

    // What the opened file's turn changed, and the opponent's note; empty after New game.
    const TurnMoves& openedMoves() const { return openedMoves_; }
    const QString& openedNote() const { return openedNote_; }

    // Which turn, whose move, who plays which side.
    const TurnOrder& order() const { return order_; }
    void setOrder(TurnOrder order) { order_ = std::move(order); }

    // The game's name as New game asked it, written with every save; an opened file's when it
    // names one, else kept while the game stays the same. Empty when never given.
    const QString& gameName() const { return gameName_; }
    void setGameName(const QString& name) { gameName_ = cleanPlayerName(name); }

private:
    struct StartState {
        int losses = 0;
        int marker = 0;
    };
    void beginTurn(const CounterMgr& counters);

    std::vector<StartState> startStates_;
    std::optional<GameId> gameId_;
    QString note_;
    TurnMoves openedMoves_;
    QString openedNote_;
    TurnOrder order_;
    QString gameName_;
};
