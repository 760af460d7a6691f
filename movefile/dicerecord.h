#pragma once

#include "geometry/afpoint.h"

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// The turn's dice as Korva's block carries them: what the opponent needs to check every
// roll against what they hold themselves.

// One roll as the file lists it, in the order of the tags section.
struct DiceRoll {
    // 1 for the turn's first roll; 0 for a combat no roll of this turn accounts for.
    std::uint32_t number = 0;
    AFPoint position;
    std::int32_t die = 0;
    // Windows-1252, as in the tags section.
    std::string comment;
    bool operator==(const DiceRoll&) const = default;
};

struct DiceRolls {
    // Why the dice rolled freely, as they always did; Fixed when they were drawn from the
    // secret below. A file may bring a reason this Korva does not know.
    enum Free : std::uint32_t {
        // Drawn from the secret, the opened file's hash and the roll's number.
        Fixed = 0,
        // Nothing was opened to play this turn, or the opened file was the game's first.
        FirstTurn = 1,
        // The opened file had no dice record: the opponent's program keeps none.
        NoKorvaDice = 2,
        // The player's own file that the opened one answered, or its secret, was not kept.
        SecretLost = 3,
        // Drawn from the secret, the opened file's hash, the roll's number and its combat's
        // hex, so that a roll claimed for another combat does not match. A Korva that does not
        // know it reads a reason it does not know, never a failed roll.
        FixedPerCombat = 4,
    };
    // The dice were drawn from the secret, in either form.
    static bool isFixed(std::uint32_t free) { return free == Fixed || free == FixedPerCombat; }
    std::uint32_t free = FirstTurn;
    // With Fixed: the secret the player's previous file committed, revealed now (32 bytes).
    QByteArray secret;
    // SHA-256 of the file opened to play this turn (32 bytes); empty when none was opened.
    QByteArray openedHash;
    // How many rolls were made this turn, listed or not.
    std::uint32_t made = 0;
    std::vector<DiceRoll> rolls;
    bool operator==(const DiceRolls&) const = default;
};

namespace dicerecord {

inline constexpr qsizetype kHashSize = 32;
// Far above a turn's combats; a larger count is a damaged record.
inline constexpr std::uint32_t kMaxRolls = 100000;

// The record's bytes: free, the secret and the opened hash (each a 32-bit length, 0 or 32,
// then the bytes), made, the number of rolls, then per roll its number, x, y, die, and the
// comment's 32-bit length and bytes. Little-endian, as the rest of the file.
QByteArray encode(const DiceRolls& rolls);
// Throws std::runtime_error naming what is wrong: a cut record, a secret or hash that is
// not 32 bytes, a roll numbered 0 or beyond the rolls made, a die outside 1..6, a comment
// over 80 bytes, bytes left over.
DiceRolls decode(QByteArrayView body);

} // namespace dicerecord
