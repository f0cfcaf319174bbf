// SPDX-License-Identifier: MIT
#include "EngineFixture.h"

namespace brivmemo::testing {
namespace {

using BoardTest = EngineTest;

constexpr std::array AllLabels = {Rotulo::lblJogador1, Rotulo::lblPtJg1, Rotulo::lblJogadas1,
    Rotulo::lblJogador2, Rotulo::lblPtJg2, Rotulo::lblJogadas2};

TEST_F(BoardTest, NewGameInTheMiddleOfAGameStartsAfresh)
{
    newGame(1);
    turnPair(1);
    window.fireTimer();
    turnMiss(2, 3);
    window.fireTimer();
    turnMiss(4, 5); // player 2's cards wait for the timer
    ASSERT_GT(window.timerInterval(), 0);
    // Whatever an earlier game left in the labels, the bars and the player records.
    for (const Rotulo label : AllLabels) {
        window.setLabelText(label, "old");
        window.setLabelColor(label, clGreen);
    }
    for (const Barra bar : {Barra::pgbJg1, Barra::pgbJg2}) {
        window.setBarMaximum(bar, 70);
        window.setBarPosition(bar, 30);
    }
    Jogador1 = TJogador {2, 70, 3, false};
    Jogador2 = TJogador {2, 30, 6, true};

    window.Inic_Jogo();
    for (int place = 1; place <= NumLugares; ++place) {
        EXPECT_TRUE(window.card(place).visible);
        EXPECT_EQ(window.card(place).bitmapIndex, 0);
        EXPECT_TRUE(window.Tabuleiro.Cartas[place].Fechada);
        EXPECT_EQ(window.BuffComp.Cartas[place].Valor, window.Tabuleiro.Cartas[place].Valor);
        EXPECT_TRUE(window.BuffComp.Cartas[place].Livre);
        EXPECT_FALSE(window.BuffComp.Cartas[place].Retirada);
    }
    EXPECT_EQ(window.Tabuleiro.Total, 40);
    EXPECT_EQ(window.CartasViradas, 0);
    EXPECT_EQ(window.Carta1, nullptr);
    EXPECT_EQ(window.Carta2, nullptr);
    EXPECT_EQ(window.JogadorAtual, &Jogador1);
    EXPECT_EQ(Jogador1, (TJogador {1, 0, 0, true}));
    EXPECT_EQ(Jogador2, (TJogador {1, 0, 0, false}));
    for (const Rotulo label : AllLabels) {
        const bool player1
            = label == Rotulo::lblJogador1 || label == Rotulo::lblPtJg1 || label == Rotulo::lblJogadas1;
        EXPECT_EQ(window.labelColor(label), player1 ? clRed : clBlack);
    }
    for (const Rotulo label : {Rotulo::lblPtJg1, Rotulo::lblJogadas1, Rotulo::lblPtJg2, Rotulo::lblJogadas2})
        EXPECT_EQ(window.labelText(label), "0");
    EXPECT_EQ(window.labelText(Rotulo::lblJogador1), "Player 1");
    EXPECT_EQ(window.labelText(Rotulo::lblJogador2), "Player 2");
    for (const Barra bar : {Barra::pgbJg1, Barra::pgbJg2}) {
        EXPECT_EQ(window.barMaximum(bar), 200);
        EXPECT_EQ(window.barPosition(bar), 0);
    }

    // The pending comparison never happens.
    EXPECT_EQ(window.timerInterval(), 0);
    EXPECT_FALSE(window.fireTimer());
    window.tmMarcaJogadaTimer();
    EXPECT_EQ(Jogador2.Erros, 0);
    EXPECT_EQ(window.JogadorAtual, &Jogador1);
    EXPECT_EQ(window.Tabuleiro.Total, 40);
}

TEST_F(BoardTest, PlayerTwoIsNamedByTheGameType)
{
    setNameText(Config.Nome1, "José");
    setNameText(Config.Nome2, "Bia");
    for (const auto &[tipoJogo, name, tipo] :
        {std::tuple {1, "Bia", 1}, std::tuple {2, "Computer", 2}, std::tuple {0, "Computer", 2}}) {
        newGame(tipoJogo);
        EXPECT_EQ(window.labelText(Rotulo::lblJogador1), "José");
        EXPECT_EQ(window.labelText(Rotulo::lblJogador2), name);
        EXPECT_EQ(Jogador2.Tipo, tipo);
    }
}

TEST_F(BoardTest, FindsTheFirstControlOfAPlaceAndNoneOutsideTheTable)
{
    FakeGameWindow shuffled({3, 1, 2, 2, 40});
    EXPECT_EQ(shuffled.Busca_Controle(2), shuffled.cardControls()[2]);
    EXPECT_EQ(shuffled.Busca_Controle(40), shuffled.cardControls()[4]);
    for (const int tag : {0, -1, 41, 5})
        EXPECT_EQ(shuffled.Busca_Controle(tag), nullptr) << tag;
}

TEST_F(BoardTest, ShowAllRevealsEveryCardAndLocksTheTable)
{
    newGame(1);
    turnPair(7);
    window.fireTimer();
    window.click(placesOf(8)[0]);

    window.Mostra_Todos();
    EXPECT_TRUE(Ocupado);
    for (int place = 1; place <= NumLugares; ++place) {
        EXPECT_TRUE(window.card(place).visible);
        EXPECT_EQ(window.card(place).bitmapIndex, window.Tabuleiro.Cartas[place].Valor);
        EXPECT_FALSE(window.Tabuleiro.Cartas[place].Fechada);
    }
    window.click(placesOf(9)[0]);
    EXPECT_EQ(window.CartasViradas, 1);
    EXPECT_EQ(Jogador1.Pontos, 10);
    EXPECT_FALSE(window.fireTimer());
}

TEST_F(BoardTest, ShowAllLeavesAPendingMoveToTheTimer)
{
    newGame(1);
    const int first = placesOf(1)[0];
    const int second = placesOf(2)[0];
    window.click(first);
    window.click(second);
    window.Mostra_Todos();

    ASSERT_TRUE(window.fireTimer());
    EXPECT_EQ(Jogador1.Erros, 1);
    EXPECT_FALSE(Ocupado);
    for (const int place : {first, second})
        EXPECT_EQ(window.card(place).bitmapIndex, 0);
    window.click(placesOf(3)[0]);
    EXPECT_EQ(window.CartasViradas, 0) << "a card the reveal turned up was turned again";
    window.click(first);
    EXPECT_EQ(window.CartasViradas, 1);
}

} // namespace
} // namespace brivmemo::testing
