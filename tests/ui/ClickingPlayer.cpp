// SPDX-License-Identifier: MIT
#include "ClickingPlayer.h"

#include "Timer.h"
#include "memo.h"

#include <QTest>

namespace brivmemo::test {

namespace {

std::size_t slot(int place)
{
    return static_cast<std::size_t>(place);
}

} // namespace

ClickingPlayer::ClickingPlayer(TForm1 &form, Strategy strategy)
    : form_(form)
    , strategy_(strategy)
{ }

int ClickingPlayer::playGame(int maxMoves)
{
    for (int moves = 1; moves <= maxMoves; ++moves) {
        if (form_.JogadorAtual->Tipo == 1)
            playMove();
        if (form_.CartasViradas != 2 || !form_.tmMarcaJogada->isActive())
            return -1;
        observe();
        form_.tmMarcaJogada->Timer();
        if (!form_.tmMarcaJogada->isActive() && Ocupado)
            return moves;
    }
    return -1;
}

void ClickingPlayer::playMove()
{
    if (strategy_ == Strategy::Knowing) {
        for (int first = 1; first <= NumLugares; ++first) {
            if (!faceDown(first))
                continue;
            for (int second = first + 1; second <= NumLugares; ++second) {
                if (faceDown(second)
                    && form_.Tabuleiro.Cartas[second].Valor == form_.Tabuleiro.Cartas[first].Valor) {
                    click(first);
                    click(second);
                    return;
                }
            }
        }
        return;
    }
    const int known = knownPairPlace();
    const int first = known != 0 ? known : unseenPlace(0);
    click(first);
    const int partner = seenPartner(first);
    click(partner != 0 ? partner : unseenPlace(first));
}

void ClickingPlayer::click(int place)
{
    if (place < 1)
        return;
    QTest::mouseClick(&form_.image(place), Qt::LeftButton);
    observe();
}

void ClickingPlayer::observe()
{
    for (int place = 1; place <= NumLugares; ++place) {
        const TMMBitmapListImage &card = form_.image(place);
        if (card.isVisibleTo(form_.PnBaralho) && card.BitmapIndex() > 0)
            faceAt_[slot(place)] = card.BitmapIndex();
    }
}

bool ClickingPlayer::faceDown(int place) const
{
    const TMMBitmapListImage &card = form_.image(place);
    return card.isVisibleTo(form_.PnBaralho) && card.BitmapIndex() == 0;
}

int ClickingPlayer::unseenPlace(int except) const
{
    for (int place = 1; place <= NumLugares; ++place) {
        if (place != except && faceDown(place) && faceAt_[slot(place)] == 0)
            return place;
    }
    return 0;
}

int ClickingPlayer::seenPartner(int place) const
{
    if (faceAt_[slot(place)] == 0)
        return 0;
    for (int other = 1; other <= NumLugares; ++other) {
        if (other != place && faceDown(other) && faceAt_[slot(other)] == faceAt_[slot(place)])
            return other;
    }
    return 0;
}

int ClickingPlayer::knownPairPlace() const
{
    for (int place = 1; place <= NumLugares; ++place) {
        if (faceDown(place) && faceAt_[slot(place)] != 0 && seenPartner(place) != 0)
            return place;
    }
    return 0;
}

} // namespace brivmemo::test
