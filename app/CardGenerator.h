// The program's pseudo-random generator. It starts at seed 0 and is never
// seeded from the clock, so every run draws the same sequence of cards.
#pragma once

#include <cstdint>

namespace taramel {

class TCardGenerator {
public:
    // Advances the seed (seed * 134775813 + 1 mod 2^32) and returns the upper
    // 32 bits of the 64-bit product of m and the new seed, i.e.
    // floor(m * seed / 2^32). m is taken as an unsigned 32-bit number, so a
    // negative argument draws from the whole 32-bit range.
    std::uint32_t Random(std::uint32_t m);

    std::uint32_t GeneratorSeed = 0;
};

}  // namespace taramel
