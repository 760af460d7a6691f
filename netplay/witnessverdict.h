#pragma once

#include "combat/tagsection.h"
#include "movefile/witnessrecord.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// What the checking player holds themselves, never taken from the file being checked.
struct WitnessExpectation {
    GameId::Bytes game{};
    // The move of the game the file plays (1 for the first).
    std::uint32_t turn = 0;
    // The server's key, pinned when the player joined the game.
    QByteArray publicKey;
    // The server's log of this turn, in number order, when it was asked; without it a roll
    // left out at the end cannot be seen.
    std::optional<std::vector<WitnessedRoll>> serverLog;
};

// The verdict on a server game's file: its combats against the rolls the server signed.
struct WitnessVerdict {
    // Missing: a roll the server drew is not in the file.
    enum class Kind { Witnessed, Mismatch, Missing };
    Kind kind = Kind::Mismatch;
    // Mismatch: the first roll that does not match, 0 when the file as a whole does not;
    // Missing: the first roll left out.
    std::uint32_t roll = 0;
    // Witnessed: how many rolls.
    std::uint32_t rolls = 0;
    // Mismatch: why, in a few words.
    QString why;

    bool witnessed() const { return kind == Kind::Witnessed; }
    // "all 4 rolls witnessed by the server" ("the one roll was ..." for one), "roll 3 was rolled on
    // the server but is not in this file", "roll 2 does not match the server's record".
    QString text() const;
};

// Checks that every combat of the tags section is, in order, the one the server witnessed:
// each record signed by the pinned key, of this game and turn, numbered 1, 2, 3... with
// none left out, each naming the one before it, each the combat's hex, die and comment, and,
// with the server's log, byte for byte the server's records and all of them.
WitnessVerdict verifyWitnessed(const std::optional<std::vector<WitnessedRoll>>& fileRolls,
                               const std::vector<TagRecord>& tags,
                               const WitnessExpectation& expected);
