// SPDX-License-Identifier: MIT
#include "EngineFixture.h"

namespace brivmemo::testing {
namespace {

using DealTest = EngineTest;

// A spread of seeds that does not follow the generator's own sequence.
std::uint32_t seedNumber(std::uint32_t i)
{
    std::uint64_t z = (i + 1) * 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    return static_cast<std::uint32_t>(z ^ (z >> 31));
}

TEST_F(DealTest, EveryDealHoldsEachFaceTwiceFaceDown)
{
    for (std::uint32_t i = 0; i < 500; ++i) {
        setRandomSeed(seedNumber(i));
        window.Inic_Tabuleiro();
        std::array<int, 21> counts {};
        for (const TCarta &carta : window.Tabuleiro.Cartas) {
            ASSERT_GE(carta.Valor, 1);
            ASSERT_LE(carta.Valor, 20);
            ++counts[static_cast<std::size_t>(carta.Valor)];
            EXPECT_TRUE(carta.Fechada);
            EXPECT_FALSE(carta.Livre);
        }
        for (std::size_t face = 1; face <= 20; ++face)
            ASSERT_EQ(counts[face], 2) << "face " << face << ", seed " << seedNumber(i);
        EXPECT_EQ(window.Tabuleiro.Total, 40);
    }
}

TEST_F(DealTest, FirstCardLandsOnPlaceOneTwiceAsOften)
{
    constexpr int deals = 41 * 500;
    std::array<int, 41> counts {};
    for (std::uint32_t i = 0; i < deals; ++i) {
        setRandomSeed(seedNumber(i));
        const int first = Sorteia_Lugar();
        setRandomSeed(seedNumber(i));
        window.Inic_Tabuleiro();
        ASSERT_EQ(window.Tabuleiro.Cartas[first].Valor, 1);
        ++counts[static_cast<std::size_t>(first)];
    }
    // 1000 expected on place 1 and 500 on every other; five standard deviations either way.
    EXPECT_NEAR(counts[1], 1000, 150);
    for (std::size_t place = 2; place <= 40; ++place)
        EXPECT_NEAR(counts[place], 500, 110) << "place " << place;
}

TEST_F(DealTest, ASeedFixesTheDeal)
{
    setRandomSeed(99);
    window.Inic_Tabuleiro();
    const TTabuleiro first = window.Tabuleiro;
    window.Inic_Tabuleiro();
    EXPECT_NE(window.Tabuleiro, first);
    setRandomSeed(99);
    window.Inic_Tabuleiro();
    EXPECT_EQ(window.Tabuleiro, first);
}

TEST_F(DealTest, FullAndEmptyTables)
{
    TTabuleiro tab;
    for (const auto &[total, full, empty] :
        {std::tuple {40, true, false}, {0, false, true}, {38, false, false}}) {
        tab.Total = total;
        EXPECT_EQ(TMotorJogo::Tab_Cheio(tab), full) << total;
        EXPECT_EQ(TMotorJogo::Tab_Vazio(tab), empty) << total;
    }
}

} // namespace
} // namespace brivmemo::testing
