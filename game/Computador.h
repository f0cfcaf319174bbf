// SPDX-License-Identifier: MIT
// The computer opponent: its memory of the cards it has seen and taken (BuffComp) and its
// move at each level. A move locks the board, turns two different cards still on the table
// and starts the timer, whose event then scores it as it does a human's move.
#pragma once

#include "Mesa.h"

namespace brivmemo {

class TComputador : public TMesa {
public:
    // Every card unseen, no pair taken.
    void Inic_BuffComp();
    // The first other place with this face that the computer has seen, or -1.
    static int Busca_BuffComp(const TTabuleiro &Buff, int Valor, int Posicao);
    // The first other place with this face, seen or not, or -1.
    static int Busca_BuffComp_Magico(const TTabuleiro &Buff, int Valor, int Posicao);

    // Intermediate: a seen card first, then its partner when seen, else a card never seen.
    void Joga_Computador();
    // Beginner: any two cards on the table.
    void Joga_Computador_Facil();
    // Wizard: any card on the table and its partner.
    void Joga_Computador_Magico();

private:
    bool seenCardOnTable() const;
    // Turns the place as the first or second card of the move.
    void turnFirst(int lugar);
    void turnSecond(int lugar);
    TControleCarta &controlOf(int lugar) const;
};

} // namespace brivmemo
