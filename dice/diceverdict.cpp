#include "dice/diceverdict.h"

#include "base/untrustedtext.h"
#include "dice/dicedraw.h"
#include "dice/witnesstext.h"
#include "geometry/hexgrid.h"

#include <QCoreApplication>

#include <algorithm>
#include <map>

namespace {

DiceVerdict unverifiable(DiceVerdict verdict, const QString& why) {
    verdict.kind = DiceVerdict::Kind::Unverifiable;
    verdict.why = why;
    return verdict;
}

DiceVerdict mismatch(DiceVerdict verdict, std::uint32_t roll, const QString& why = {}) {
    verdict.kind = DiceVerdict::Kind::Mismatch;
    verdict.roll = roll;
    verdict.why = why;
    // A roll that does not match leaves the others as they were checked; a file that does not
    // match as a whole vouches for none of them.
    if (roll == 0)
        for (RollMark& mark : verdict.marks)
            mark.verified = false;
    return verdict;
}

bool sameCombat(const DiceRoll& roll, const TagRecord& tag) {
    return roll.position == tag.position && roll.die == tag.dieValue && roll.comment == tag.comment;
}

// Each roll by its number, as the combat in its place of the tags section. A roll that is not
// its combat's, has no number or a number twice is refuted and left out (the others are still
// drawn and checked); answers the first such.
std::optional<std::size_t> matchRolls(const std::vector<DiceRoll>& rolls,
                                      const std::vector<TagRecord>& tags,
                                      std::vector<RollMark>& marks,
                                      std::map<std::uint32_t, std::size_t>& byNumber) {
    std::optional<std::size_t> stray;
    for (std::size_t i = 0; i < rolls.size(); ++i) {
        if (!sameCombat(rolls[i], tags[i]) || rolls[i].number == 0 ||
            !byNumber.emplace(rolls[i].number, i).second) {
            marks[i].refuted = true;
            if (!stray)
                stray = i;
        }
    }
    return stray;
}

} // namespace

QString freeReasonText(std::uint32_t free) {
    switch (free) {
    case DiceRolls::FirstTurn:
        return QCoreApplication::translate("DiceVerdict",
                                           "the first turn: there was no secret to draw them from");
    case DiceRolls::NoKorvaDice:
        return QCoreApplication::translate("DiceVerdict",
                                           "the file they answered had no dice record");
    case DiceRolls::SecretLost:
        return QCoreApplication::translate("DiceVerdict",
                                           "their history no longer held their secret");
    default:
        return QCoreApplication::translate(
            "DiceVerdict", "they rolled freely for a reason this Korva does not know");
    }
}

QString DiceVerdict::text(const Quote& quote) const {
    if (byServer && kind != Kind::Unverifiable)
        return kind == Kind::Verified  ? witnesstext::witnessed(made)
               : kind == Kind::Missing ? witnesstext::missing(roll)
                                       : witnesstext::mismatch(roll, why);
    switch (kind) {
    case Kind::Verified:
        if (made == 0)
            return QCoreApplication::translate("DiceVerdict", "no rolls were made");
        return QCoreApplication::translate("DiceVerdict", "all %n roll(s) verified", nullptr,
                                           int(made));
    case Kind::Mismatch:
        return roll == 0
                   ? QCoreApplication::translate("DiceVerdict", "the rolls do not match (%1)")
                         .arg(why)
                   : QCoreApplication::translate("DiceVerdict", "roll %1 does not match").arg(roll);
    case Kind::Missing:
        return QCoreApplication::translate("DiceVerdict", "roll %1 is missing, %n roll(s) made",
                                           nullptr, int(made))
            .arg(roll);
    case Kind::Withheld:
        if (claim.isEmpty())
            return QCoreApplication::translate(
                       "DiceVerdict",
                       "the rolls were withheld: they committed to this turn's dice in "
                       "%1 and did not reveal them")
                .arg(quote(why));
        return QCoreApplication::translate(
                   "DiceVerdict",
                   "the rolls were withheld: they committed to this turn's dice in %1 "
                   "and did not reveal them (their file says: %2)")
            .arg(quote(why), claim);
    case Kind::Unverifiable:
        break;
    }
    return QCoreApplication::translate("DiceVerdict", "rolls not verifiable (%1)").arg(why);
}

namespace {

// Why rolls drawn from `record` are not bound by what the checking player holds: their sent
// file and the commitment; empty when they are.
QString unbound(const DiceRolls& record, const DiceEvidence& evidence) {
    if (record.openedHash != evidence.sentHash)
        return QCoreApplication::translate(
            "DiceVerdict", "they were rolled against another file than the one you sent");
    if (dicedraw::commitmentOf(record.secret) != evidence.commitment)
        return QCoreApplication::translate(
            "DiceVerdict", "the secret revealed is not the one their earlier file committed");
    // A file that promised dice per combat cannot fall back to dice that can be swapped.
    if ((record.free == DiceRolls::FixedPerCombat) != evidence.perCombat)
        return QCoreApplication::translate(
            "DiceVerdict", "they were drawn in another way than their earlier file promised");
    return {};
}

// Each roll drawn again from the revealed secret, for a record whose rolls are fixed and
// whose evidence is complete.
DiceVerdict checkRolls(DiceVerdict verdict, const DiceRolls& record,
                       const std::vector<TagRecord>& tags, const DiceEvidence& evidence) {
    const std::vector<DiceRoll>& rolls = record.rolls;
    // The combats the opponent's program shows are the ones the record lists.
    if (rolls.size() != tags.size())
        return mismatch(
            verdict, 0,
            QCoreApplication::translate("DiceVerdict", "the combats are not the rolls listed"));
    std::map<std::uint32_t, std::size_t> byNumber;
    const std::optional<std::size_t> stray = matchRolls(rolls, tags, verdict.marks, byNumber);
    if (const QString why = unbound(record, evidence); !why.isEmpty())
        return mismatch(verdict, 0, why);
    const bool perCombat = record.free == DiceRolls::FixedPerCombat;
    std::optional<std::uint32_t> wrong;
    for (const auto& [number, index] : byNumber) {
        const DiceRoll& roll = rolls[index];
        const int hex = hexgrid::hexAtPosition(roll.position);
        const bool drawn =
            perCombat ? hex >= 0 && dicedraw::drawDieForCombat(record.secret, evidence.sentHash,
                                                               number, hex) == roll.die
                      : dicedraw::drawDie(record.secret, evidence.sentHash, number) == roll.die;
        verdict.marks[index].verified = drawn;
        verdict.marks[index].refuted = !drawn;
        if (!drawn && !wrong)
            wrong = number;
    }
    if (stray)
        return mismatch(
            verdict, rolls[*stray].number,
            QCoreApplication::translate("DiceVerdict", "a combat no roll accounts for"));
    if (wrong)
        return mismatch(verdict, *wrong);
    for (std::uint32_t n = 1; n <= record.made; ++n) {
        if (!byNumber.contains(n)) {
            verdict.kind = DiceVerdict::Kind::Missing;
            verdict.roll = n;
            return verdict;
        }
    }
    verdict.kind = DiceVerdict::Kind::Verified;
    return verdict;
}

} // namespace

DiceVerdict verifyDice(const std::optional<DiceRolls>& record, const std::vector<TagRecord>& tags,
                       const DiceEvidence& evidence) {
    DiceVerdict verdict;
    verdict.marks.resize(tags.size());
    // Bound by a commitment the checking player holds, the file must reveal its dice: no
    // record, no block or a reason for free dice is the same as hiding them.
    if (!evidence.commitment.isEmpty() && (!record || !DiceRolls::isFixed(record->free))) {
        verdict.kind = DiceVerdict::Kind::Withheld;
        verdict.why = evidence.committedIn;
        if (record) {
            verdict.made = record->made;
            verdict.claim = freeReasonText(record->free);
        }
        return verdict;
    }
    if (!record)
        return unverifiable(
            verdict, QCoreApplication::translate("DiceVerdict", "the file carries no dice record"));
    verdict.made = record->made;
    const std::vector<DiceRoll>& rolls = record->rolls;
    if (rolls.size() == tags.size())
        for (std::size_t i = 0; i < rolls.size(); ++i)
            verdict.marks[i].number = rolls[i].number;
    // With no roll and no combat there is nothing to draw or check.
    if (record->made == 0 && rolls.empty() && tags.empty() &&
        (!DiceRolls::isFixed(record->free) || !evidence.missing.isEmpty())) {
        verdict.kind = DiceVerdict::Kind::Verified;
        return verdict;
    }
    // What the checking player holds says why better than the file's own reason: a player
    // whose earlier file committed nothing lost no secret.
    if (!DiceRolls::isFixed(record->free))
        return unverifiable(verdict,
                            record->free == DiceRolls::SecretLost && !evidence.missing.isEmpty()
                                ? evidence.missing
                                : freeReasonText(record->free));
    if (!evidence.missing.isEmpty())
        return unverifiable(verdict, evidence.missing);

    return checkRolls(std::move(verdict), *record, tags, evidence);
}
