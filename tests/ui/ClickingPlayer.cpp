// SPDX-License-Identifier: MIT
#include "ClickingPlayer.h"

#include "memo.h"

#include <QTest>

namespace brivmemo::test {

ClickingPlayer::ClickingPlayer(TForm1 &form, Strategy strategy)
    : form_(form)
    , strategy_(strategy)
    , memory_(form)
{ }

int ClickingPlayer::playGame(int maxMoves)
{
    return playUntilOver(form_, memory_, maxMoves, [this] { playMove(); });
}

void ClickingPlayer::playMove()
{
    if (strategy_ == Strategy::Knowing) {
        for (int first = 1; first <= NumLugares; ++first) {
            if (!memory_.faceDown(first))
                continue;
            for (int second = first + 1; second <= NumLugares; ++second) {
                if (memory_.faceDown(second)
                    && form_.Tabuleiro.Cartas[second].Valor == form_.Tabuleiro.Cartas[first].Valor) {
                    click(first);
                    click(second);
                    return;
                }
            }
        }
        return;
    }
    const int known = memory_.knownPairPlace();
    const int first = known != 0 ? known : memory_.unseenPlace(0);
    click(first);
    const int partner = memory_.seenPartner(first);
    click(partner != 0 ? partner : memory_.unseenPlace(first));
}

void ClickingPlayer::click(int place)
{
    if (place < 1)
        return;
    QTest::mouseClick(&form_.image(place), Qt::LeftButton);
    memory_.observe();
}

} // namespace brivmemo::test
