// SPDX-License-Identifier: MIT
// The game engine: new games, the human's clicks, the timer that ends every move, scoring and
// the result. Plain C++: the main window inherits it and implements the window operations of
// TJanelaJogo with its controls; the tests do the same with a fake window.
#pragma once

#include "Computador.h"

namespace brivmemo {

class TMotorJogo : public TComputador {
public:
    // Resets players, labels and bars, stops the timer and deals a new board. The caller
    // locks the board around it.
    void Inic_Jogo();

    // The click handler of every card control.
    void image1Click(TControleCarta &Sender);
    // A human turns a card; ignored unless it lies face down, the board is free and a human
    // is to move.
    void Mostra_Carta(TControleCarta &Carta);
    void Vira_Carta(TControleCarta &Carta);
    void Esconde_Carta(TControleCarta &Carta);
    // Scores the two cards of the move: a pair leaves the table, a miss passes the turn.
    void Testa_Cartas();
    // Ends the move in progress, announces the result of a finished game or lets the
    // computer play. An event with no two cards waiting does nothing.
    void tmMarcaJogadaTimer();

private:
    void showTurn(const TJogador &jogador);
    void showScores();
    TResultado resultado() const;
};

} // namespace brivmemo
