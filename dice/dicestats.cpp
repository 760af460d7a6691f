#include "dice/dicestats.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>
#include <numbers>
#include <numeric>

namespace {

// The upper tail of the chi-square distribution with five degrees of freedom, in closed form
// (for an odd number of degrees the tail is erfc plus a finite series).
double chiSquareTail5(double x) {
    if (x <= 0)
        return 1;
    return std::erfc(std::sqrt(x / 2)) +
           std::sqrt(2 * x / std::numbers::pi) * std::exp(-x / 2) * (1 + x / 3);
}

} // namespace

void FaceCounts::add(int die) {
    if (die >= 1 && die <= 6)
        ++counts[std::size_t(die - 1)];
}

int FaceCounts::total() const {
    return std::accumulate(counts.begin(), counts.end(), 0);
}

Fairness dicestats::fairnessOf(const FaceCounts& faces) {
    const int total = faces.total();
    if (total == 0)
        return {};
    const double expected = total / 6.0;
    double chi = 0;
    for (const int count : faces.counts)
        chi += (count - expected) * (count - expected) / expected;
    return {chi, chiSquareTail5(chi)};
}

QString dicestats::fairnessText(const FaceCounts& faces) {
    const int total = faces.total();
    if (total < kFewestToTell)
        return QCoreApplication::translate("DiceStats", "too few rolls to tell (%1 of %2)")
            .arg(total)
            .arg(kFewestToTell);
    const Fairness fairness = fairnessOf(faces);
    if (fairness.pValue >= kUneven)
        return QCoreApplication::translate("DiceStats", "as expected of a fair die");
    if (fairness.pValue >= kUnusual)
        return QCoreApplication::translate("DiceStats",
                                           "a little uneven, within what fair dice do");
    if (fairness.pValue * kRarestOneIn <= 1)
        return QCoreApplication::translate(
            "DiceStats", "unusual: less than 1 in 10^15 fair dice would be this uneven");
    return QCoreApplication::translate("DiceStats",
                                       "unusual: 1 in %1 fair dice would be this uneven")
        .arg(QLocale().toString(std::round(1 / fairness.pValue), 'f', 0));
}
