#pragma once

#include <cstdint>

// The die's pseudo-random generator: a 32-bit linear congruential state advanced as
// state * 22695477 + 1, each draw yielding bits 16..30 of the new state (0..32767).
// The sequence is part of the game: both players' programs draw the same numbers from
// the same seed.
class DieRandom {
public:
    explicit DieRandom(std::uint32_t seed = 1) : state_(seed) {}

    void seed(std::uint32_t seed) { state_ = seed; }
    std::uint32_t state() const { return state_; }

    // The next number, 0..32767.
    int draw() {
        state_ = state_ * 22695477u + 1u;
        return static_cast<int>((state_ >> 16) & 0x7FFFu);
    }

private:
    std::uint32_t state_;
};

// One roll: draw r and throw away (r mod 5) + 1 further draws, then draw s; the face is
// offset + (s mod sides) + 1, wrapped once by sides, plus base. sides must be at least 1.
int rollDie(DieRandom& generator, int sides, int base, int offset);
