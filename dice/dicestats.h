#pragma once

#include <QString>

#include <array>

// How often each face of a die came up, and whether a fair die would often be this uneven:
// Pearson's chi-square test against six equal faces (five degrees of freedom).
struct FaceCounts {
    std::array<int, 6> counts{};

    // Counts a die of 1 to 6; any other value is not a face and is not counted.
    void add(int die);
    int total() const;
};

struct Fairness {
    double chiSquare = 0;
    // The chance that a fair die rolled as often shows a chi-square this large or larger.
    double pValue = 1;
};

namespace dicestats {

// Below this many rolls the test says nothing: too few to tell luck from a loaded die.
inline constexpr int kFewestToTell = 30;
// A p-value below this is unusual enough to say so.
inline constexpr double kUnusual = 0.01;
// Below this a die looks a little uneven, though one fair die in twenty does as much.
inline constexpr double kUneven = 0.05;
// The rarest chance the text names; rarer ones are said to be below it.
inline constexpr double kRarestOneIn = 1e15;

Fairness fairnessOf(const FaceCounts& faces);
// "too few rolls to tell (12 of 30)", "as expected of a fair die", "a little uneven, within
// what fair dice do", "unusual: 1 in 250 fair dice would be this uneven" or "unusual: less
// than 1 in 10^15 fair dice would be this uneven".
QString fairnessText(const FaceCounts& faces);

} // namespace dicestats
