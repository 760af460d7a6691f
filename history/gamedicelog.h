#pragma once

#include "dice/dicestats.h"
#include "dice/diceverdict.h"
#include "history/gamehistory.h"
#include "movefile/gameid.h"
#include "movefile/turnrecord.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Every roll of a game, both players', as the history's copies carry them: what a player
// looks at after a bad evening to ask whether the dice were fair.
struct GameRoll {
    // Rolled by the player (a file they saved), else by the opponent (a file they opened).
    bool mine = false;
    // The turn the roll was made in: the turn of the file it answered, when the history holds
    // that file and it says its turn; the game's first turn when it answered none.
    std::optional<TurnRecord> turn;
    // The roll's number in its turn; 0 for a combat no roll accounts for.
    std::uint32_t number = 0;
    // The combat's hex; -1 when its place is no hex.
    int hex = -1;
    int die = 0;
    // Windows-1252, from the file: untrusted text.
    std::string comment;
    // The opponent's rolls: the verdict on the file that carried them (without its marks);
    // none for the player's own.
    std::optional<DiceVerdict> verdict;
    // The title of the copy that carried the roll last (untrusted text).
    QString file;
};

struct GameDiceLog {
    // The most rolls a log lists: a game's worth many times over, and a bound on what a
    // history filled with huge records costs to read.
    static constexpr std::size_t kMaxRolls = 50000;

    // By the order their files were kept, then by roll number. A roll carried by several
    // copies (a file saved unfinished, then at the end of the turn) is listed once, as the
    // newest copy has it. Only rolls of a combat of their file's turn are listed: a record
    // may list rolls that never happened.
    std::vector<GameRoll> rolls;
    // Rolls the records listed that no combat of their file accounts for; rolls beyond
    // kMaxRolls, not read. Neither is counted.
    std::size_t leftOut = 0;
    std::size_t notRead = 0;
    // The players as the newest copy that names them says.
    PlayerNames players;
    // The side the player plays, when a file of theirs tells it.
    std::optional<Side> mySide;
    FaceCounts mine;
    FaceCounts theirs;
    // The opponent's rolls apart: verified, and not (unverifiable or failed).
    FaceCounts theirsVerified;
    FaceCounts theirsUnverified;
};

// Reads the game's copies in the history; copies that cannot be read are passed over.
GameDiceLog gameDiceLog(const GameHistory& history, const GameId& game);
