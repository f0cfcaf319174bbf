// SPDX-License-Identifier: MIT
#include "Random.h"

namespace brivmemo {
namespace {

std::uint32_t seed = 0;

} // namespace

std::uint32_t randomSeed()
{
    return seed;
}

void setRandomSeed(std::uint32_t value)
{
    seed = value;
}

int drawRandom(int range)
{
    seed = seed * 134775813U + 1U;
    return static_cast<int>((std::uint64_t {seed} * static_cast<std::uint32_t>(range)) >> 32);
}

std::uint32_t timeOfDayMilliseconds(std::chrono::system_clock::time_point when)
{
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<milliseconds>(when.time_since_epoch());
    const auto sinceMidnight = sinceEpoch - floor<days>(sinceEpoch);
    return static_cast<std::uint32_t>(sinceMidnight.count());
}

void randomize()
{
    seed = timeOfDayMilliseconds(std::chrono::system_clock::now());
}

int Sorteia_Lugar()
{
    const int draw = drawRandom(41);
    return draw == 0 ? 1 : draw;
}

} // namespace brivmemo
