// SPDX-License-Identifier: MIT
// The table: the board, the computer's memory and the move in progress, with the deal and the
// routines that act on every card. The engine classes leave the window operations abstract:
// the main window inherits the engine and implements them, so the routines are its methods.
#pragma once

#include "GameObserver.h"
#include "Globais.h"
#include "JanelaJogo.h"

#include <cstdint>

namespace brivmemo {

class TMesa : public TJanelaJogo {
public:
    TMesa(const TMesa &) = delete;
    TMesa &operator=(const TMesa &) = delete;

    static bool Tab_Cheio(const TTabuleiro &Tab) { return Tab.Total == NumLugares; }
    static bool Tab_Vazio(const TTabuleiro &Tab) { return Tab.Total == 0; }

    // Every card control shows the back and is visible.
    void Limpa_Baralho();
    // Deals Baralho onto Tabuleiro, each face number to the next free place drawn.
    void Inic_Tabuleiro();
    // The first card control whose Tag is the place, or none.
    TControleCarta *Busca_Controle(int Tag) const;
    // Locks the board and turns every card face up, the pairs already taken included.
    void Mostra_Todos();

    // The listener told of the game's events; none is told when it is null. It must outlive
    // the engine or be replaced first.
    void setObserver(GameObserver *observer) { observer_ = observer; }

    TTabuleiro Tabuleiro;
    TTabuleiro BuffComp; // what the computer has seen and taken
    std::int32_t CartasViradas = 0;
    TJogador *JogadorAtual = nullptr; // Jogador1 or Jogador2 once a game is dealt
    TControleCarta *Carta1 = nullptr;
    TControleCarta *Carta2 = nullptr;

protected:
    TMesa() = default;

    // Shows the face of the card's place, which then no longer lies face down.
    void turnFaceUp(TControleCarta &carta);
    // Starts the timer that ends the move in progress.
    void startMoveTimer();
    // Config.Velocidade, or the Normal speed's time when the settings hold 0 or less,
    // which would otherwise leave the move unfinished and the board locked.
    static int animationTime();
    GameObserver &observer() const;

private:
    GameObserver *observer_ = nullptr;
};

} // namespace brivmemo
