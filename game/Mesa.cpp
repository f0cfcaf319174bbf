// SPDX-License-Identifier: MIT
#include "Mesa.h"

#include "Random.h"
#include "SpeedsAndLevels.h"

namespace brivmemo {

void TMesa::Limpa_Baralho()
{
    for (TControleCarta *carta : cardControls()) {
        setCardImage(*carta, 0);
        setCardVisible(*carta, true);
    }
}

void TMesa::Inic_Tabuleiro()
{
    for (TCarta &carta : Tabuleiro.Cartas)
        carta.Livre = true;
    Tabuleiro.Total = 0;
    std::size_t k = 0;
    while (!Tab_Cheio(Tabuleiro)) {
        TCarta &carta = Tabuleiro.Cartas[Sorteia_Lugar()];
        if (carta.Livre) {
            carta.Valor = Baralho[k++];
            carta.Livre = false;
            carta.Fechada = true;
            ++Tabuleiro.Total;
        }
    }
}

TControleCarta *TMesa::Busca_Controle(int Tag) const
{
    for (TControleCarta *carta : cardControls()) {
        if (carta->Tag() == Tag)
            return carta;
    }
    return nullptr;
}

void TMesa::Mostra_Todos()
{
    Ocupado = true;
    for (TControleCarta *carta : cardControls()) {
        setCardVisible(*carta, true);
        TCarta &lugar = Tabuleiro.Cartas[carta->Tag()];
        setCardImage(*carta, lugar.Valor);
        lugar.Fechada = false;
    }
    observer().allCardsShown();
}

void TMesa::turnFaceUp(TControleCarta &carta)
{
    TCarta &lugar = Tabuleiro.Cartas[carta.Tag()];
    setCardImage(carta, lugar.Valor);
    lugar.Fechada = false;
    ++CartasViradas;
    observer().cardTurnedUp(carta.Tag());
}

void TMesa::startMoveTimer()
{
    setTimerInterval(animationTime());
}

int TMesa::animationTime()
{
    return Config.Velocidade > 0 ? Config.Velocidade : speedTime(AnimationSpeed::Normal);
}

GameObserver &TMesa::observer() const
{
    static GameObserver nobody;
    return observer_ != nullptr ? *observer_ : nobody;
}

} // namespace brivmemo
