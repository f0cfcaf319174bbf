// SPDX-License-Identifier: MIT
#include "EngineFixture.h"

#include <algorithm>

namespace brivmemo::testing {
namespace {

using ComputerTest = EngineTest;

TEST_F(ComputerTest, PartnerSearchesScanInPlaceOrder)
{
    TTabuleiro buff;
    for (int place = 1; place <= NumLugares; ++place)
        buff.Cartas[place] = TCarta {place % 3 == 0 ? 7 : 1, true, true, false};
    buff.Cartas[12].Livre = false;
    buff.Cartas[30].Livre = false;
    // Places 3, 6, 9, ... hold face 7; 12 and 30 of them have been seen.
    EXPECT_EQ(TMotorJogo::Busca_BuffComp(buff, 7, 3), 12);
    EXPECT_EQ(TMotorJogo::Busca_BuffComp(buff, 7, 12), 30);
    EXPECT_EQ(TMotorJogo::Busca_BuffComp(buff, 1, 1), -1);
    EXPECT_EQ(TMotorJogo::Busca_BuffComp(buff, 20, 1), -1);
    EXPECT_EQ(TMotorJogo::Busca_BuffComp_Magico(buff, 7, 3), 6);
    EXPECT_EQ(TMotorJogo::Busca_BuffComp_Magico(buff, 7, 6), 3);
    EXPECT_EQ(TMotorJogo::Busca_BuffComp_Magico(buff, 20, 1), -1);
}

TEST_F(ComputerTest, AHumanMissIsFollowedByTheComputersTwoCardsInTheSameEvent)
{
    newGame(2, ComandoNivel::mnPrin);
    const int first = placesOf(1)[0];
    const int second = placesOf(2)[0];
    window.click(first);
    window.click(second);
    ASSERT_TRUE(window.fireTimer());

    EXPECT_EQ(window.JogadorAtual, &Jogador2);
    ASSERT_EQ(window.CartasViradas, 2);
    ASSERT_NE(window.Carta1, window.Carta2);
    std::vector<int> faceUp;
    for (int place = 1; place <= NumLugares; ++place) {
        if (window.card(place).bitmapIndex != 0)
            faceUp.push_back(place);
    }
    std::vector<int> computers = {window.Carta1->Tag(), window.Carta2->Tag()};
    std::sort(computers.begin(), computers.end());
    EXPECT_EQ(faceUp, computers);
    EXPECT_TRUE(Ocupado);
    EXPECT_EQ(window.timerInterval(), 1000);
    window.click(placesOf(3)[0]);
    EXPECT_EQ(window.CartasViradas, 2);
}

// With nothing seen on the table, the Intermediate level begins with an unseen card.
TEST_F(ComputerTest, IntermediateWithNoSeenCardStillTurnsTwoCards)
{
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        setRandomSeed(seed);
        newGame(2);
        // Every pair of faces 1..10 taken, each card seen: none of them is on the table.
        for (int face = 1; face <= 10; ++face) {
            for (const int place : placesOf(face)) {
                window.BuffComp.Cartas[place].Livre = false;
                window.BuffComp.Cartas[place].Retirada = true;
            }
        }
        window.Joga_Computador();
        ASSERT_NE(window.Carta1, nullptr);
        ASSERT_NE(window.Carta2, nullptr);
        const int p = window.Carta1->Tag();
        const int q = window.Carta2->Tag();
        EXPECT_NE(p, q);
        EXPECT_GT(window.Tabuleiro.Cartas[p].Valor, 10);
        EXPECT_GT(window.Tabuleiro.Cartas[q].Valor, 10);
        EXPECT_FALSE(window.BuffComp.Cartas[p].Livre);
        EXPECT_FALSE(window.BuffComp.Cartas[q].Livre);
        EXPECT_EQ(window.CartasViradas, 2);
        EXPECT_TRUE(Ocupado);
        EXPECT_EQ(window.timerInterval(), 1000);
    }
}

TEST_F(ComputerTest, IntermediateTakesAPairItHasSeenEveryTime)
{
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        setRandomSeed(seed);
        newGame(2);
        const auto pair = placesOf(4);
        for (const int place : pair)
            window.BuffComp.Cartas[place].Livre = false;
        window.Joga_Computador();
        std::array<int, 2> turned = {window.Carta1->Tag(), window.Carta2->Tag()};
        std::sort(turned.begin(), turned.end());
        EXPECT_EQ(turned, pair);
    }
}

// A new memory has seen nothing and taken nothing, whatever the old one held; it keeps the faces.
TEST_F(ComputerTest, ANewMemoryHasSeenAndTakenNothing)
{
    newGame(2, ComandoNivel::mnInter);
    for (TCarta &carta : window.BuffComp.Cartas) {
        carta.Livre = false;
        carta.Retirada = true;
    }
    window.Inic_BuffComp();
    for (int place = 1; place <= NumLugares; ++place) {
        EXPECT_TRUE(window.BuffComp.Cartas[place].Livre) << "place " << place;
        EXPECT_FALSE(window.BuffComp.Cartas[place].Retirada) << "place " << place;
        EXPECT_EQ(window.BuffComp.Cartas[place].Valor, window.Tabuleiro.Cartas[place].Valor)
            << "place " << place;
    }
}

// What a move leaves in the computer's memory: the Beginner remembers both cards it turned,
// the Intermediate the card it had never seen, the Wizard, who needs no memory, neither.
TEST_F(ComputerTest, EachLevelRemembersTheCardsItTurnsAsItShould)
{
    struct Case {
        ComandoNivel level;
        void (TMotorJogo::*move)();
        bool firstSeen;
        bool secondSeen;
    };
    for (const Case &level : {Case {ComandoNivel::mnPrin, &TMotorJogo::Joga_Computador_Facil, true, true},
             Case {ComandoNivel::mnInter, &TMotorJogo::Joga_Computador, true, true},
             Case {ComandoNivel::mnMagico, &TMotorJogo::Joga_Computador_Magico, false, false}}) {
        for (std::uint32_t seed = 1; seed <= 50; ++seed) {
            setRandomSeed(seed);
            newGame(2, level.level);
            // One card seen, its partner not: the Intermediate starts there and draws blindly.
            const int seen = placesOf(9)[0];
            if (level.level == ComandoNivel::mnInter)
                window.BuffComp.Cartas[seen].Livre = false;
            (window.*level.move)();
            const int p = window.Carta1->Tag();
            const int q = window.Carta2->Tag();
            EXPECT_EQ(!window.BuffComp.Cartas[p].Livre, level.firstSeen) << "place " << p;
            EXPECT_EQ(!window.BuffComp.Cartas[q].Livre, level.secondSeen) << "place " << q;
            for (int place = 1; place <= NumLugares; ++place) {
                if (place != p && place != q && place != seen) {
                    EXPECT_TRUE(window.BuffComp.Cartas[place].Livre) << "place " << place;
                }
            }
        }
    }
}

} // namespace
} // namespace brivmemo::testing
