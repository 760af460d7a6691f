#include "netplay/witnessverdict.h"

#include "dice/witnesstext.h"
#include "geometry/hexgrid.h"
#include "netplay/witnesschain.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

WitnessVerdict mismatch(std::uint32_t roll, const char* why) {
    return {WitnessVerdict::Kind::Mismatch, roll, 0,
            QCoreApplication::translate("WitnessVerdict", why)};
}

WitnessVerdict missing(std::uint32_t roll) {
    return {WitnessVerdict::Kind::Missing, roll, 0, {}};
}

bool sameCombat(const WitnessedRoll& roll, const TagRecord& tag) {
    return hexgrid::hexAtPosition(tag.position) == roll.hex &&
           std::int64_t(tag.dieValue) == std::int64_t(roll.die) &&
           witnesschain::commentHash(tag.comment) == roll.commentHash;
}

} // namespace

QString WitnessVerdict::text() const {
    switch (kind) {
    case Kind::Witnessed:
        return witnesstext::witnessed(rolls);
    case Kind::Missing:
        return witnesstext::missing(roll);
    case Kind::Mismatch:
        break;
    }
    return witnesstext::mismatch(roll, why);
}

WitnessVerdict verifyWitnessed(const std::optional<std::vector<WitnessedRoll>>& fileRolls,
                               const std::vector<TagRecord>& tags,
                               const WitnessExpectation& expected) {
    const std::vector<WitnessedRoll> rolls = fileRolls.value_or(std::vector<WitnessedRoll>{});
    for (std::size_t i = 0; i < rolls.size(); ++i) {
        const WitnessedRoll& roll = rolls[i];
        const auto number = std::uint32_t(i + 1);
        if (!witnesschain::signatureValid(roll, expected.publicKey))
            return mismatch(roll.number,
                            QT_TRANSLATE_NOOP("WitnessVerdict", "not signed by the server's key"));
        if (roll.game != expected.game || roll.turn != expected.turn)
            return mismatch(roll.number,
                            QT_TRANSLATE_NOOP("WitnessVerdict", "rolled for another game or turn"));
        if (roll.number > number)
            return missing(number);
        if (roll.number < number)
            return mismatch(roll.number,
                            QT_TRANSLATE_NOOP("WitnessVerdict", "listed twice or out of order"));
        if (i > 0 && roll.previous != witnesschain::chainHash(rolls[i - 1]))
            return mismatch(roll.number, QT_TRANSLATE_NOOP("WitnessVerdict",
                                                           "it does not follow the roll before"));
    }
    if (expected.serverLog) {
        const std::vector<WitnessedRoll>& log = *expected.serverLog;
        for (std::size_t i = 0; i < log.size(); ++i) {
            if (i >= rolls.size())
                return missing(log[i].number);
            if (rolls[i] != log[i])
                return mismatch(rolls[i].number,
                                QT_TRANSLATE_NOOP("WitnessVerdict", "the server's log differs"));
        }
        if (rolls.size() > log.size())
            return mismatch(rolls[log.size()].number,
                            QT_TRANSLATE_NOOP("WitnessVerdict", "the server's log lacks it"));
    }
    const std::size_t paired = std::min(rolls.size(), tags.size());
    for (std::size_t i = 0; i < paired; ++i)
        if (!sameCombat(rolls[i], tags[i]))
            return mismatch(rolls[i].number,
                            QT_TRANSLATE_NOOP("WitnessVerdict",
                                              "the combat is not the one the server witnessed"));
    if (tags.size() > rolls.size())
        return mismatch(
            0, QT_TRANSLATE_NOOP("WitnessVerdict", "a combat no witnessed roll accounts for"));
    if (rolls.size() > tags.size())
        return mismatch(rolls[tags.size()].number,
                        QT_TRANSLATE_NOOP("WitnessVerdict", "no combat of the file shows it"));
    return {WitnessVerdict::Kind::Witnessed, 0, std::uint32_t(rolls.size()), {}};
}
