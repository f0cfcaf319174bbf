// SPDX-License-Identifier: MIT
#include "Computador.h"

#include "Random.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace brivmemo {
namespace {

template<typename Condition> int drawPlaceWhere(Condition accepts)
{
    for (;;) {
        const int lugar = Sorteia_Lugar();
        if (accepts(lugar))
            return lugar;
    }
}

int findPartner(const TTabuleiro &Buff, int Valor, int Posicao, bool seenOnly)
{
    for (int i = 1; i <= NumLugares; ++i) {
        const TCarta &carta = Buff.Cartas[i];
        if (i != Posicao && carta.Valor == Valor && (!seenOnly || !carta.Livre))
            return i;
    }
    return -1;
}

} // namespace

void TComputador::Inic_BuffComp()
{
    for (TCarta &carta : BuffComp.Cartas) {
        carta.Livre = true;
        carta.Retirada = false;
    }
}

int TComputador::Busca_BuffComp(const TTabuleiro &Buff, int Valor, int Posicao)
{
    return findPartner(Buff, Valor, Posicao, true);
}

int TComputador::Busca_BuffComp_Magico(const TTabuleiro &Buff, int Valor, int Posicao)
{
    return findPartner(Buff, Valor, Posicao, false);
}

void TComputador::Joga_Computador()
{
    Ocupado = true;
    int p = 0;
    if (seenCardOnTable()) {
        p = drawPlaceWhere(
            [this](int i) { return !BuffComp.Cartas[i].Livre && !BuffComp.Cartas[i].Retirada; });
    } else {
        // The computer has just taken every pair it knew of: it starts with a card never seen
        // and remembers it, so that the second card is another one.
        p = drawPlaceWhere(
            [this](int i) { return BuffComp.Cartas[i].Livre && !BuffComp.Cartas[i].Retirada; });
        BuffComp.Cartas[p].Livre = false;
    }
    turnFirst(p);
    int q = Busca_BuffComp(BuffComp, Tabuleiro.Cartas[p].Valor, p);
    if (q == -1) {
        q = drawPlaceWhere(
            [this](int i) { return BuffComp.Cartas[i].Livre && !BuffComp.Cartas[i].Retirada; });
        BuffComp.Cartas[q].Livre = false;
    }
    turnSecond(q);
    startMoveTimer();
}

void TComputador::Joga_Computador_Facil()
{
    Ocupado = true;
    const int p = drawPlaceWhere([this](int i) { return !BuffComp.Cartas[i].Retirada; });
    BuffComp.Cartas[p].Livre = false;
    turnFirst(p);
    const int q = drawPlaceWhere([this, p](int i) { return i != p && !BuffComp.Cartas[i].Retirada; });
    BuffComp.Cartas[q].Livre = false;
    turnSecond(q);
    startMoveTimer();
}

void TComputador::Joga_Computador_Magico()
{
    Ocupado = true;
    const int p = drawPlaceWhere([this](int i) { return !BuffComp.Cartas[i].Retirada; });
    turnFirst(p);
    turnSecond(Busca_BuffComp_Magico(BuffComp, Tabuleiro.Cartas[p].Valor, p));
    startMoveTimer();
}

bool TComputador::seenCardOnTable() const
{
    return std::any_of(BuffComp.Cartas.begin(), BuffComp.Cartas.end(),
        [](const TCarta &carta) { return !carta.Livre && !carta.Retirada; });
}

void TComputador::turnFirst(int lugar)
{
    Carta1 = &controlOf(lugar);
    turnFaceUp(*Carta1);
}

void TComputador::turnSecond(int lugar)
{
    Carta2 = &controlOf(lugar);
    turnFaceUp(*Carta2);
}

TControleCarta &TComputador::controlOf(int lugar) const
{
    TControleCarta *carta = Busca_Controle(lugar);
    if (carta == nullptr)
        throw std::logic_error("the window has no card control for place " + std::to_string(lugar));
    return *carta;
}

} // namespace brivmemo
