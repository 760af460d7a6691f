#include "dice/diceverdict.h"

#include "dice/dicedraw.h"

#include <QCoreApplication>

#include <algorithm>
#include <map>

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("DiceVerdict", text);
}

DiceVerdict unverifiable(DiceVerdict verdict, const QString& why) {
    verdict.kind = DiceVerdict::Kind::Unverifiable;
    verdict.why = why;
    return verdict;
}

DiceVerdict mismatch(DiceVerdict verdict, std::uint32_t roll, const QString& why = {}) {
    verdict.kind = DiceVerdict::Kind::Mismatch;
    verdict.roll = roll;
    verdict.why = why;
    for (RollMark& mark : verdict.marks)
        mark.verified = false;
    return verdict;
}

bool sameCombat(const DiceRoll& roll, const TagRecord& tag) {
    return roll.position == tag.position && roll.die == tag.dieValue && roll.comment == tag.comment;
}

} // namespace

QString freeReasonText(std::uint32_t free) {
    switch (free) {
    case DiceRolls::FirstTurn:
        return translated("the first turn: there was no secret to draw them from");
    case DiceRolls::NoKorvaDice:
        return translated("the file they answered had no dice record");
    case DiceRolls::SecretLost:
        return translated("their history no longer held their secret");
    default:
        return translated("they rolled freely for a reason this Korva does not know");
    }
}

QString DiceVerdict::text() const {
    switch (kind) {
    case Kind::Verified:
        if (made == 0)
            return translated("no rolls were made");
        return made == 1 ? translated("the one roll verified")
                         : translated("all %1 rolls verified").arg(made);
    case Kind::Mismatch:
        return roll == 0 ? translated("the rolls do not match (%1)").arg(why)
                         : translated("roll %1 does not match").arg(roll);
    case Kind::Missing:
        if (made == 1)
            return translated("roll 1 is missing, 1 roll was made");
        return translated("roll %1 is missing, %2 rolls were made").arg(roll).arg(made);
    case Kind::Unverifiable:
        break;
    }
    return translated("rolls not verifiable (%1)").arg(why);
}

DiceVerdict verifyDice(const std::optional<DiceRolls>& record, const std::vector<TagRecord>& tags,
                       const DiceEvidence& evidence) {
    DiceVerdict verdict;
    verdict.marks.resize(tags.size());
    if (!record)
        return unverifiable(verdict, translated("the file carries no dice record"));
    verdict.made = record->made;
    const std::vector<DiceRoll>& rolls = record->rolls;
    if (rolls.size() == tags.size())
        for (std::size_t i = 0; i < rolls.size(); ++i)
            verdict.marks[i].number = rolls[i].number;
    if (record->free != DiceRolls::Fixed)
        return unverifiable(verdict, freeReasonText(record->free));
    if (!evidence.missing.isEmpty())
        return unverifiable(verdict, evidence.missing);

    // The combats the opponent's program shows are the ones the record lists.
    if (rolls.size() != tags.size())
        return mismatch(verdict, 0, translated("the combats are not the rolls listed"));
    std::map<std::uint32_t, std::size_t> byNumber;
    for (std::size_t i = 0; i < rolls.size(); ++i) {
        if (!sameCombat(rolls[i], tags[i]) || rolls[i].number == 0 ||
            !byNumber.emplace(rolls[i].number, i).second)
            return mismatch(verdict, rolls[i].number, translated("a combat no roll accounts for"));
    }
    // Only what the checking player holds decides: their sent file and the commitment.
    if (record->openedHash != evidence.sentHash)
        return mismatch(verdict, 0,
                        translated("they were rolled against another file than the one you "
                                   "sent"));
    if (dicedraw::commitmentOf(record->secret) != evidence.commitment)
        return mismatch(verdict, 0,
                        translated("the secret revealed is not the one their earlier file "
                                   "committed"));
    std::optional<std::uint32_t> wrong;
    for (const auto& [number, index] : byNumber) {
        const bool drawn =
            dicedraw::drawDie(record->secret, evidence.sentHash, number) == rolls[index].die;
        verdict.marks[index].verified = drawn;
        if (!drawn && !wrong)
            wrong = number;
    }
    if (wrong)
        return mismatch(verdict, *wrong);
    for (std::uint32_t n = 1; n <= record->made; ++n) {
        if (!byNumber.contains(n)) {
            verdict.kind = DiceVerdict::Kind::Missing;
            verdict.roll = n;
            return verdict;
        }
    }
    verdict.kind = DiceVerdict::Kind::Verified;
    return verdict;
}
