#pragma once

#include "combat/tagsection.h"
#include "movefile/dicerecord.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// What the checking player holds themselves, never taken from the file being checked.
struct DiceEvidence {
    // SHA-256 of the file they saved and sent, which the opponent opened to roll.
    QByteArray sentHash;
    // The commitment in the opponent's earlier file, the one that sent file answered.
    QByteArray commitment;
    // Why either is not at hand; empty when both are.
    QString missing;
};

// A combat's roll as a player sees it: its number (0: none) and whether it was verified.
struct RollMark {
    std::uint32_t number = 0;
    bool verified = false;
    bool operator==(const RollMark&) const = default;
};

// The one verdict on a file's rolls.
struct DiceVerdict {
    enum class Kind { Verified, Mismatch, Missing, Unverifiable };
    Kind kind = Kind::Unverifiable;
    // Mismatch: the first roll that does not match, 0 when the file as a whole does not;
    // Missing: the first roll missing.
    std::uint32_t roll = 0;
    // The rolls the file says were made.
    std::uint32_t made = 0;
    // Unverifiable, and a Mismatch of the whole file: why.
    QString why;
    // Per combat of the tags section, in its order.
    std::vector<RollMark> marks;

    bool verified() const { return kind == Kind::Verified; }
    // "all 4 rolls verified", "roll 3 does not match", "roll 2 is missing, 5 rolls were
    // made", "rolls not verifiable (why)".
    QString text() const;
};

// Checks a file's dice record against its tags section and the evidence: every roll listed
// once, each combat the one its roll lists, the revealed secret the committed one, the
// rolls drawn against the file the checking player sent, every die the one the secret
// draws, and no roll made but left out.
DiceVerdict verifyDice(const std::optional<DiceRolls>& record, const std::vector<TagRecord>& tags,
                       const DiceEvidence& evidence);

// Why a file's dice rolled freely, as the verdict says it.
QString freeReasonText(std::uint32_t free);
