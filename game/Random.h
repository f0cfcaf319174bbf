// SPDX-License-Identifier: MIT
// The program's one random generator: a 32-bit seed advanced as seed * 134775813 + 1 before
// each draw, a draw in range n being the high 32 bits of seed * n. Deals and the computer's
// choices come from it alone, so a seed fixes a whole game.
#pragma once

#include <chrono>
#include <cstdint>

namespace brivmemo {

std::uint32_t randomSeed();
void setRandomSeed(std::uint32_t value);

// A draw in 0..range-1.
int drawRandom(int range);

// Milliseconds since midnight UTC: ((hour * 60 + minute) * 60 + second) * 1000 + millisecond.
std::uint32_t timeOfDayMilliseconds(std::chrono::system_clock::time_point when);

// Seeds the generator from the current time of day; the program does it once, at start-up.
void randomize();

// A card place 1..40: a draw in 0..40 where 0 counts as place 1, so place 1 comes up with
// weight 2/41 and every other place with weight 1/41.
int Sorteia_Lugar();

} // namespace brivmemo
