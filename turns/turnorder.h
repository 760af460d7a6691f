#pragma once
#include "movefile/turnrecord.h"

#include <optional>

struct OpenedMoveFile;

// The side that is not `side`.
Side otherSide(Side side);
// How many moves the game has seen before `turn`: turn 1's first move is 0.
int movesBefore(const TurnRecord& turn);
// `earlier` comes before `later` in one game.
bool comesBefore(const TurnRecord& earlier, const TurnRecord& later);
// The side whose turn `saved` ended, when it shows that it ended one: every counter stands
// where the next turn starts, and its block says the turn began elsewhere. A file saved
// within a turn, or a turn in which nothing moved, shows nothing.
std::optional<Side> turnEndedBy(const OpenedMoveFile& saved);

// Whose move it is and which turn, and who plays which side: the rules the turn follows from
// file to file. Unknown until a new game or a file that says it; never guessed.
class TurnOrder {
public:
    TurnOrder() = default;
    TurnOrder(std::optional<TurnRecord> record, PlayerNames players)
        : record_(record), players_(std::move(players)) {}
    // Turn 1, with `movesFirst` to move.
    static TurnOrder newGame(Side movesFirst, PlayerNames players);

    bool isKnown() const { return record_.has_value(); }
    const std::optional<TurnRecord>& record() const { return record_; }
    const PlayerNames& players() const { return players_; }
    void setRecord(std::optional<TurnRecord> record) { record_ = record; }
    void setPlayers(PlayerNames players) { players_ = std::move(players); }

    // After an end of turn the move goes to the other side; the number goes up when the side
    // that moves first gets it back. It stops at kMaxNumber.
    static TurnRecord next(const TurnRecord& turn);
    // What a save writes: with an end of turn the turn after this one; unknown stays unknown.
    std::optional<TurnRecord> afterSave(bool endOfTurn) const;
    // A save with an end of turn went through.
    void endTurn();

private:
    std::optional<TurnRecord> record_;
    PlayerNames players_;
};
