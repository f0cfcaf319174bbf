// SPDX-License-Identifier: MIT
#include "EngineFixture.h"

#include <string>

namespace brivmemo::testing {
namespace {

class TurnTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        setNameText(Config.Nome1, "Ana");
        setNameText(Config.Nome2, "Bia");
        newGame(1);
    }

    bool faceUp(int place) const { return window.card(place).bitmapIndex != 0; }
};

TEST_F(TurnTest, ClicksThatDoNotFitChangeNothing)
{
    const int first = placesOf(1)[0];
    window.click(first);
    window.click(first);
    EXPECT_EQ(window.CartasViradas, 1);

    window.click(placesOf(2)[0]);
    ASSERT_TRUE(Ocupado);
    window.click(placesOf(3)[0]);
    EXPECT_EQ(window.CartasViradas, 2);
    EXPECT_FALSE(faceUp(placesOf(3)[0]));
}

TEST_F(TurnTest, APairScoresInTheTimerEventAndKeepsTheTurn)
{
    turnPair(5);
    EXPECT_EQ(window.labelText(Rotulo::lblPtJg1), "0");
    EXPECT_EQ(window.timerInterval(), 1000);

    ASSERT_TRUE(window.fireTimer());
    for (const int place : placesOf(5)) {
        EXPECT_FALSE(window.card(place).visible);
        EXPECT_TRUE(window.BuffComp.Cartas[place].Retirada);
    }
    EXPECT_EQ(Jogador1.Pontos, 10);
    EXPECT_EQ(window.labelText(Rotulo::lblPtJg1), "10");
    EXPECT_EQ(window.barPosition(Barra::pgbJg1), 10);
    EXPECT_EQ(window.Tabuleiro.Total, 38);
    EXPECT_EQ(window.labelColor(Rotulo::lblJogador1), clRed);
    EXPECT_EQ(window.timerInterval(), 0);
    EXPECT_FALSE(Ocupado);

    window.click(placesOf(6)[0]);
    EXPECT_EQ(window.CartasViradas, 1);
}

TEST_F(TurnTest, AMissCountsForThePlayerWhoMadeItAndPassesTheTurn)
{
    turnMiss(1, 2);
    EXPECT_EQ(window.labelColor(Rotulo::lblJogador1), clRed);
    ASSERT_TRUE(window.fireTimer());
    EXPECT_EQ(Jogador1.Erros, 1);
    EXPECT_EQ(window.labelText(Rotulo::lblJogadas1), "1");
    EXPECT_EQ(window.JogadorAtual, &Jogador2);
    for (const Rotulo label : {Rotulo::lblJogador1, Rotulo::lblPtJg1, Rotulo::lblJogadas1})
        EXPECT_EQ(window.labelColor(label), clBlack);
    for (const Rotulo label : {Rotulo::lblJogador2, Rotulo::lblPtJg2, Rotulo::lblJogadas2})
        EXPECT_EQ(window.labelColor(label), clRed);
    EXPECT_FALSE(faceUp(placesOf(1)[0]));
    EXPECT_TRUE(window.Tabuleiro.Cartas[placesOf(1)[0]].Fechada);

    turnMiss(3, 4);
    ASSERT_TRUE(window.fireTimer());
    EXPECT_EQ(Jogador2.Erros, 1);
    EXPECT_EQ(window.labelText(Rotulo::lblJogadas2), "1");
    EXPECT_EQ(window.JogadorAtual, &Jogador1);
    EXPECT_EQ(window.labelColor(Rotulo::lblJogadas1), clRed);
    EXPECT_EQ(window.labelColor(Rotulo::lblJogadas2), clBlack);

    turnMiss(5, 6);
    ASSERT_TRUE(window.fireTimer());
    EXPECT_EQ(Jogador1.Erros, 2);
    EXPECT_EQ(Jogador2.Erros, 1);
    EXPECT_EQ(window.JogadorAtual, &Jogador2);
}

TEST_F(TurnTest, TheTimerRunsForTheAnimationTime)
{
    for (const auto &[velocidade, interval] :
        {std::pair {3000, 3000}, {500, 500}, {1, 1}, {0, 1000}, {-20, 1000}}) {
        Config.Velocidade = velocidade;
        newGame(2, ComandoNivel::mnMagico);
        turnMiss(1, 2);
        EXPECT_EQ(window.timerInterval(), interval) << "human, " << velocidade;
        window.fireTimer();
        EXPECT_EQ(window.timerInterval(), interval) << "computer, " << velocidade;
    }
}

TEST_F(TurnTest, TheLastPairUpdatesTheLabelsThenShowsTheResultAndLocks)
{
    for (int face = 1; face < 20; ++face) {
        turnPair(face);
        window.fireTimer();
    }
    std::string pointsDuringResult;
    window.whileResultShown = [&] { pointsDuringResult = window.labelText(Rotulo::lblPtJg1); };
    turnPair(20);
    ASSERT_TRUE(window.fireTimer());
    EXPECT_EQ(pointsDuringResult, "200");
    ASSERT_EQ(window.results().size(), 1U);
    EXPECT_EQ(window.results()[0], (TResultado {Resultado::JogadorVenceu, "Ana", "Bia"}));
    EXPECT_TRUE(Ocupado);
    EXPECT_EQ(window.timerInterval(), 0);
    window.Mostra_Carta(*window.cardControls()[0]);
    EXPECT_EQ(window.CartasViradas, 0);
}

TEST_F(TurnTest, ATimerEventInsideTheResultBoxScoresNothingAgain)
{
    for (int face = 1; face <= 19; ++face) {
        turnPair(face);
        window.fireTimer();
    }
    window.whileResultShown = [&] { window.tmMarcaJogadaTimer(); };
    turnPair(20);
    window.fireTimer();
    EXPECT_EQ(window.results().size(), 1U);
    EXPECT_EQ(Jogador1.Pontos, 200);
    EXPECT_EQ(window.Tabuleiro.Total, 0);
    EXPECT_EQ(window.CartasViradas, 0);
    EXPECT_TRUE(Ocupado);
}

struct ResultCase {
    int tipoJogo;
    int pairs1; // pairs taken by player 1; player 2 takes the rest
    TResultado result;
};

class ResultMessage : public EngineTest, public ::testing::WithParamInterface<ResultCase> { };

// Player 1 takes its pairs, misses once, and player 2 takes the rest; the label of a name
// changed during the game is the one the message uses.
TEST_P(ResultMessage, NamesTheWinnerAsTheLabelsShowThem)
{
    setNameText(Config.Nome1, "Ana");
    setNameText(Config.Nome2, "Bia");
    newGame(GetParam().tipoJogo, ComandoNivel::mnMagico);
    const int pairs1 = GetParam().pairs1;
    for (int face = 1; face <= pairs1; ++face) {
        turnPair(face);
        window.fireTimer();
    }
    window.setLabelText(Rotulo::lblJogador1, "Carla");
    if (pairs1 <= 18) {
        turnMiss(pairs1 + 1, pairs1 + 2);
        window.fireTimer();
    }
    for (int face = pairs1 + 1; face <= 20 && window.results().empty(); ++face) {
        if (window.CartasViradas == 0)
            turnPair(face);
        window.fireTimer();
    }
    while (window.results().empty() && window.fireTimer()) { }
    ASSERT_EQ(window.results().size(), 1U);
    EXPECT_EQ(window.results()[0], GetParam().result);
    EXPECT_EQ(Jogador1.Pontos + Jogador2.Pontos, 200);
}

INSTANTIATE_TEST_SUITE_P(Results, ResultMessage,
    ::testing::Values(ResultCase {1, 11, {Resultado::JogadorVenceu, "Carla", "Bia"}},
        ResultCase {1, 9, {Resultado::JogadorVenceu, "Bia", "Carla"}},
        ResultCase {1, 10, {Resultado::Empate, {}, {}}},
        ResultCase {2, 11, {Resultado::ComputadorVencido, {}, {}}},
        ResultCase {2, 20, {Resultado::ComputadorVencido, {}, {}}},
        ResultCase {2, 9, {Resultado::ComputadorVenceu, {}, {}}},
        ResultCase {2, 0, {Resultado::ComputadorVenceu, {}, {}}},
        ResultCase {2, 10, {Resultado::Empate, {}, {}}}));

} // namespace
} // namespace brivmemo::testing
