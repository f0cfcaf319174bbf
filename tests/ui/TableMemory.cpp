// SPDX-License-Identifier: MIT
#include "TableMemory.h"

#include "Timer.h"
#include "memo.h"

namespace brivmemo::test {

namespace {

std::size_t slot(int place)
{
    return static_cast<std::size_t>(place);
}

} // namespace

TableMemory::TableMemory(const TForm1 &form)
    : form_(form)
{ }

void TableMemory::observe()
{
    for (int place = 1; place <= NumLugares; ++place) {
        const TMMBitmapListImage &card = form_.image(place);
        if (card.isVisibleTo(form_.PnBaralho) && card.BitmapIndex() > 0)
            faceAt_[slot(place)] = card.BitmapIndex();
    }
}

bool TableMemory::faceDown(int place) const
{
    const TMMBitmapListImage &card = form_.image(place);
    return card.isVisibleTo(form_.PnBaralho) && card.BitmapIndex() == 0;
}

int TableMemory::unseenPlace(int except) const
{
    for (int place = 1; place <= NumLugares; ++place) {
        if (place != except && faceDown(place) && faceAt_[slot(place)] == 0)
            return place;
    }
    return 0;
}

int TableMemory::seenPartner(int place) const
{
    if (faceAt_[slot(place)] == 0)
        return 0;
    for (int other = 1; other <= NumLugares; ++other) {
        if (other != place && faceDown(other) && faceAt_[slot(other)] == faceAt_[slot(place)])
            return other;
    }
    return 0;
}

int TableMemory::knownPairPlace() const
{
    for (int place = 1; place <= NumLugares; ++place) {
        if (faceDown(place) && faceAt_[slot(place)] != 0 && seenPartner(place) != 0)
            return place;
    }
    return 0;
}

int playUntilOver(TForm1 &form, TableMemory &memory, int maxMoves, const std::function<void()> &humanMove)
{
    for (int moves = 1; moves <= maxMoves; ++moves) {
        if (form.JogadorAtual->Tipo == 1)
            humanMove();
        if (form.CartasViradas != 2 || !form.tmMarcaJogada->isActive())
            return -1;
        memory.observe();
        form.tmMarcaJogada->Timer();
        if (!form.tmMarcaJogada->isActive() && Ocupado)
            return moves;
    }
    return -1;
}

} // namespace brivmemo::test
