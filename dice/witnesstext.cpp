#include "dice/witnesstext.h"

#include <QCoreApplication>

namespace witnesstext {

QString witnessed(std::uint32_t rolls) {
    if (rolls == 0)
        return QCoreApplication::translate("WitnessVerdict", "no rolls were asked of the server");
    // Two texts rather than a plural form, so that English reads right without a translation
    // of its own.
    if (rolls == 1)
        return QCoreApplication::translate("WitnessVerdict",
                                           "the one roll was witnessed by the server");
    return QCoreApplication::translate("WitnessVerdict", "all %1 rolls witnessed by the server")
        .arg(rolls);
}

QString missing(std::uint32_t roll) {
    return QCoreApplication::translate("WitnessVerdict",
                                       "roll %1 was rolled on the server but is not in this file")
        .arg(roll);
}

QString mismatch(std::uint32_t roll, const QString& why) {
    if (roll == 0)
        return QCoreApplication::translate("WitnessVerdict",
                                           "the rolls do not match the server's records (%1)")
            .arg(why);
    return QCoreApplication::translate("WitnessVerdict",
                                       "roll %1 does not match the server's record (%2)")
        .arg(roll)
        .arg(why);
}

} // namespace witnesstext
