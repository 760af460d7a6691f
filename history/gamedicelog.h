#pragma once

#include "dice/dicestats.h"
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
    // that file and it says its turn.
    std::optional<TurnRecord> turn;
    // The roll's number in its turn; 0 for a combat no roll accounts for.
    std::uint32_t number = 0;
    // The combat's hex; -1 when its place is no hex.
    int hex = -1;
    int die = 0;
    // Windows-1252, from the file: untrusted text.
    std::string comment;
    // The opponent's rolls: the verdict on the file that carried them; empty for the
    // player's own.
    QString verdict;
    bool verified = false;
    // The title of the copy that carried the roll last (untrusted text).
    QString file;
};

struct GameDiceLog {
    // By the order their files were kept, then by roll number. A roll carried by several
    // copies (a file saved unfinished, then at the end of the turn) is listed once, as the
    // newest copy has it.
    std::vector<GameRoll> rolls;
    // The players as the newest copy that names them says.
    PlayerNames players;
    // The side the player plays, when a file of theirs tells it.
    std::optional<Side> mySide;
    FaceCounts mine;
    FaceCounts theirs;
};

// Reads the game's copies in the history; copies that cannot be read are passed over.
GameDiceLog gameDiceLog(const GameHistory& history, const GameId& game);
