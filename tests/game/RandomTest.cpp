// SPDX-License-Identifier: MIT
#include "Random.h"

#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace brivmemo {
namespace {

struct SequenceCase {
    std::uint32_t seed;
    int range;
    std::vector<int> draws;
    std::uint32_t seedAfter;
};

class RandomSequence : public ::testing::TestWithParam<SequenceCase> { };

// Worked out apart from the program: seed := seed * 134775813 + 1 mod 2^32, then the high
// 32 bits of seed * range.
TEST_P(RandomSequence, MatchesTheKnownDraws)
{
    setRandomSeed(GetParam().seed);
    std::vector<int> draws;
    for (std::size_t i = 0; i < GetParam().draws.size(); ++i)
        draws.push_back(drawRandom(GetParam().range));
    EXPECT_EQ(draws, GetParam().draws);
    EXPECT_EQ(randomSeed(), GetParam().seedAfter);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSequence,
    ::testing::Values(SequenceCase {0, 41, {0, 1, 35, 8, 11, 27, 13, 6, 15, 17}, 1828254910U},
        SequenceCase {42, 41, {13, 35, 8, 6, 0, 34, 29, 0, 25, 40}, 4260118936U},
        SequenceCase {123456789, 1000, {543, 395, 390, 33, 809}, 3478552678U},
        SequenceCase {0xFFFFFFFF, 100, {96, 20, 51, 13, 87}, 3754609368U}));

TEST(SorteiaLugar, DrawZeroAndDrawOneBothGivePlaceOne)
{
    setRandomSeed(0); // the draws in 0..40 are 0, 1, 35, 8
    EXPECT_EQ(Sorteia_Lugar(), 1);
    EXPECT_EQ(Sorteia_Lugar(), 1);
    EXPECT_EQ(Sorteia_Lugar(), 35);
    EXPECT_EQ(Sorteia_Lugar(), 8);
}

TEST(SorteiaLugar, GivesEveryPlaceAndNothingElse)
{
    setRandomSeed(7);
    std::array<int, 42> counts {};
    for (int i = 0; i < 4100; ++i) {
        const int place = Sorteia_Lugar();
        ASSERT_GE(place, 1);
        ASSERT_LE(place, 40);
        ++counts[static_cast<std::size_t>(place)];
    }
    for (std::size_t place = 1; place <= 40; ++place)
        EXPECT_GT(counts[place], 0) << "place " << place;
}

TEST(TimeOfDay, CountsMillisecondsSinceMidnightUtc)
{
    using namespace std::chrono;
    const auto at = [](milliseconds sinceEpoch) { return system_clock::time_point(sinceEpoch); };
    EXPECT_EQ(timeOfDayMilliseconds(at(milliseconds(0))), 0U);
    EXPECT_EQ(timeOfDayMilliseconds(at(days(19000) + hours(1) + minutes(2) + seconds(3) + milliseconds(456))),
        3723456U);
    EXPECT_EQ(timeOfDayMilliseconds(at(days(1) - milliseconds(1))), 86399999U);
    EXPECT_EQ(timeOfDayMilliseconds(at(-hours(1))), 82800000U);
}

TEST(TimeOfDay, RandomizeSeedsFromTheTimeOfDay)
{
    setRandomSeed(0xFFFFFFFF);
    randomize();
    EXPECT_LT(randomSeed(), 86400000U);
}

} // namespace
} // namespace brivmemo
