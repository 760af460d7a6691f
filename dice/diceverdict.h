#pragma once

#include "base/untrustedtext.h"
#include "combat/tagsection.h"
#include "movefile/dicerecord.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// What the checking player holds themselves, never taken from the file being checked.
struct DiceEvidence {
    // SHA-256 of the file they saved and sent, which the opponent opened to roll.
    QByteArray sentHash;
    // The commitment in the opponent's earlier file, the one that sent file answered, and
    // whether it promised rolls drawn per combat. With a commitment at hand the opponent was
    // bound to reveal this turn's dice.
    QByteArray commitment;
    bool perCombat = false;
    // The name of that earlier file, as the checking player opened it.
    QString committedIn;
    // Why either is not at hand; empty when both are.
    QString missing;
};

// A combat's roll as a player sees it: its number (0: none), and whether it was drawn from the
// committed secret (verified) or checked and found not to be (refuted); neither when it could
// not be checked on its own.
struct RollMark {
    std::uint32_t number = 0;
    bool verified = false;
    bool refuted = false;
    // Verified by a Korva server's signed record rather than drawn from a secret.
    bool witnessed = false;
    bool operator==(const RollMark&) const = default;
};

// The one verdict on a file's rolls.
struct DiceVerdict {
    // Withheld: the opponent was bound to this turn's dice and did not reveal them.
    enum class Kind { Verified, Mismatch, Missing, Withheld, Unverifiable };
    Kind kind = Kind::Unverifiable;
    // Mismatch: the first roll that does not match, 0 when the file as a whole does not;
    // Missing: the first roll missing.
    std::uint32_t roll = 0;
    // The rolls the file says were made.
    std::uint32_t made = 0;
    // Unverifiable, and a Mismatch of the whole file: why. Withheld: the file that committed
    // (a name from the checking player's history, which came with that file: show it as
    // untrusted text), and in `claim` the reason the file gave for free dice, if it gave one.
    QString why;
    QString claim;
    // Per combat of the tags section, in its order.
    std::vector<RollMark> marks;
    // The verdict on a server game's rolls, judged by the server's signed records: its texts
    // are the server's ("all 4 rolls witnessed by the server"). Verified, Mismatch and Missing
    // only; `made` is then the rolls the file holds.
    bool byServer = false;

    bool verified() const { return kind == Kind::Verified; }
    // The file's rolls were checked and found wanting: a reason to look twice at the file.
    bool failed() const {
        return kind == Kind::Mismatch || kind == Kind::Missing || kind == Kind::Withheld;
    }
    // "all 4 rolls verified", "roll 3 does not match", "roll 2 is missing, 5 rolls were
    // made", "the rolls were withheld: they committed to this turn's dice in “a2.krv” and did
    // not reveal them" or "rolls not verifiable (why)". The file's name goes through `quote`:
    // untrustedtext::quotedForTerminal for a terminal.
    using Quote = std::function<QString(const QString&)>;
    QString text(const Quote& quote = &untrustedtext::quoted) const;
};

// Checks a file's dice record against its tags section and the evidence: dice revealed
// where they were committed to, every roll listed once, each combat the one its roll lists,
// the revealed secret the committed one, drawn in the form it promised, the rolls drawn
// against the file the checking player sent, every die the one the secret draws (for its
// combat's hex, in the form that binds them), and no roll made but left out.
DiceVerdict verifyDice(const std::optional<DiceRolls>& record, const std::vector<TagRecord>& tags,
                       const DiceEvidence& evidence);

// Why a file's dice rolled freely, as the verdict says it.
QString freeReasonText(std::uint32_t free);
