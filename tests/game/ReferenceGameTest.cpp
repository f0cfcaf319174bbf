// SPDX-License-Identifier: MIT
// The engine against known deals and complete games worked out by an independent model of the
// rules (tests/reference/memory_reference.py): every face of each deal, every move of each
// game with its mover and places, and the final scores must be exactly the model's.
#include "EngineFixture.h"
#include "ReferencePlayer.h"
#include "ReferenceTables.h"

#include <array>
#include <cstddef>
#include <tuple>

namespace brivmemo::testing {
namespace {

ComandoNivel levelOf(reference::Opponent opponent)
{
    switch (opponent) {
    case reference::Opponent::Beginner:
        return ComandoNivel::mnPrin;
    case reference::Opponent::Wizard:
        return ComandoNivel::mnMagico;
    default:
        return ComandoNivel::mnInter;
    }
}

class ReferenceGameTest : public EngineTest {
protected:
    void play(const reference::Game &game)
    {
        window.clearResults();
        setRandomSeed(game.seed);
        newGame(game.opponent == reference::Opponent::Human ? 1 : 2, levelOf(game.opponent));
        ReferencePlayer human;
        for (std::size_t i = 0; i < game.moves.size(); ++i) {
            ASSERT_TRUE(window.results().empty()) << "the game ended before move " << i + 1;
            const int mover = window.JogadorAtual == &Jogador1 ? 1 : 2;
            if (window.CartasViradas == 0)
                human.playMove(window);
            ASSERT_EQ(window.CartasViradas, 2) << "move " << i + 1 << " did not turn two cards";
            const reference::Move &expected = game.moves[i];
            ASSERT_EQ(std::tuple(mover, window.Carta1->Tag(), window.Carta2->Tag()),
                std::tuple(expected.mover, expected.first, expected.second))
                << "move " << i + 1;
            human.observe(window);
            ASSERT_TRUE(window.fireTimer());
        }
        EXPECT_EQ(window.results().size(), 1U) << "the game did not end with its last move";
        EXPECT_EQ(std::tuple(Jogador1.Pontos, Jogador1.Erros, Jogador2.Pontos, Jogador2.Erros),
            std::tuple(game.points1, game.mistakes1, game.points2, game.mistakes2));
    }
};

TEST_F(ReferenceGameTest, DealsMatchTheReference)
{
    for (const reference::Deal &deal : reference::deals) {
        SCOPED_TRACE(::testing::Message() << "seed " << deal.seed);
        setRandomSeed(deal.seed);
        newGame(1);
        std::array<int, NumLugares> faces {};
        for (int place = 1; place <= NumLugares; ++place)
            faces[static_cast<std::size_t>(place - 1)] = window.Tabuleiro.Cartas[place].Valor;
        EXPECT_EQ(faces, deal.faces);
    }
}

TEST_F(ReferenceGameTest, GamesMatchTheReference)
{
    for (const reference::Game &game : reference::games) {
        SCOPED_TRACE(game.name);
        play(game);
    }
}

} // namespace
} // namespace brivmemo::testing
