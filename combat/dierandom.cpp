#include "combat/dierandom.h"

#include <stdexcept>

int rollDie(DieRandom& generator, int sides, int base, int offset) {
    // A die without faces has no roll; dividing by it would be undefined.
    if (sides < 1)
        throw std::invalid_argument("a die needs at least one side");
    const int r = generator.draw();
    for (int discard = r % 5 + 1; discard > 0; --discard)
        generator.draw();
    const int s = generator.draw();
    int v = offset + s % sides + 1;
    if (v > sides)
        v -= sides;
    return v + base;
}
