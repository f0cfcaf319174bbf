// SPDX-License-Identifier: MIT
#include "TargetedPlayer.h"

#include "Globais.h"
#include "MMBitmapListImage.h"
#include "Timer.h"
#include "memo.h"

#include <QTest>

namespace brivmemo::test {

namespace {

constexpr int MaxMoves = 5000;
constexpr int PointsPerPair = 10;

} // namespace

TargetedPlayer::TargetedPlayer(
    TForm1 &form, std::array<int, 2> pairsWanted, std::function<void()> beforeEachTick)
    : form_(form)
    , pairsWanted_(pairsWanted)
    , beforeEachTick_(std::move(beforeEachTick))
{ }

bool TargetedPlayer::playToTheEnd()
{
    for (int move = 0; move < MaxMoves; ++move) {
        if (humanToMove())
            turnHumanMove();
        if (!endMove())
            return false;
        if (!form_.tmMarcaJogada->isActive() && Ocupado)
            return pairsLeft() == 0;
    }
    return false;
}

bool TargetedPlayer::playUntilWaitingWithPairsLeft(int pairs)
{
    for (int move = 0; move < MaxMoves; ++move) {
        if (humanToMove()) {
            const bool last = pairsLeft() == pairs;
            turnHumanMove();
            if (last)
                return form_.tmMarcaJogada->isActive();
        }
        if (!endMove())
            return false;
    }
    return false;
}

bool TargetedPlayer::humanToMove() const
{
    return !Ocupado && form_.JogadorAtual->Tipo == 1;
}

int TargetedPlayer::pairsLeft() const
{
    int cards = 0;
    for (int place = 1; place <= NumLugares; ++place)
        cards += form_.image(place).isVisibleTo(form_.PnBaralho) ? 1 : 0;
    return cards / 2;
}

bool TargetedPlayer::faceDown(int place) const
{
    const TMMBitmapListImage &card = form_.image(place);
    return card.isVisibleTo(form_.PnBaralho) && card.BitmapIndex() == 0;
}

void TargetedPlayer::turnHumanMove()
{
    const std::size_t seat = form_.JogadorAtual == &Jogador1 ? 0 : 1;
    const bool take = form_.JogadorAtual->Pontos / PointsPerPair < pairsWanted_.at(seat) || pairsLeft() == 1;
    for (int first = 1; first <= NumLugares; ++first) {
        for (int second = first + 1; second <= NumLugares; ++second) {
            const bool pair = form_.Tabuleiro.Cartas[first].Valor == form_.Tabuleiro.Cartas[second].Valor;
            if (faceDown(first) && faceDown(second) && pair == take) {
                click(first);
                click(second);
                return;
            }
        }
    }
}

void TargetedPlayer::click(int place)
{
    QTest::mouseClick(&form_.image(place), Qt::LeftButton);
}

bool TargetedPlayer::endMove()
{
    if (!form_.tmMarcaJogada->isActive() || form_.CartasViradas != 2)
        return false;
    const std::size_t seat = form_.JogadorAtual == &Jogador1 ? 0 : 1;
    const int pointsBefore = form_.JogadorAtual->Pontos;
    TJogador &mover = *form_.JogadorAtual;
    if (beforeEachTick_)
        beforeEachTick_();
    form_.tmMarcaJogada->Timer();
    ++moves_.at(seat);
    if (mover.Pontos == pointsBefore)
        ++misses_.at(seat);
    return true;
}

} // namespace brivmemo::test
