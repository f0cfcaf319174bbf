// SPDX-License-Identifier: MIT
#include "ReferencePlayer.h"

namespace brivmemo::testing {

void ReferencePlayer::observe(const FakeGameWindow &window)
{
    for (const TControleCarta *turned : {window.Carta1, window.Carta2}) {
        if (turned != nullptr)
            faceAt(turned->Tag()) = window.card(turned->Tag()).bitmapIndex;
    }
}

void ReferencePlayer::playMove(FakeGameWindow &window)
{
    for (int first = 1; first <= NumLugares; ++first) {
        if (faceAt(first) == 0 || !window.card(first).visible)
            continue;
        const int partner = lowestOnTable(window, faceAt(first), first);
        if (partner != 0) {
            turn(window, first);
            turn(window, partner);
            return;
        }
    }
    const int first = lowestOnTable(window, 0, 0);
    turn(window, first);
    const int partner = lowestOnTable(window, faceAt(first), first);
    turn(window, partner != 0 ? partner : lowestOnTable(window, 0, first));
}

int ReferencePlayer::lowestOnTable(const FakeGameWindow &window, int face, int except) const
{
    for (int place = 1; place <= NumLugares; ++place) {
        if (place != except && faceAt_[static_cast<std::size_t>(place)] == face && window.card(place).visible)
            return place;
    }
    return 0;
}

void ReferencePlayer::turn(FakeGameWindow &window, int place)
{
    window.click(place);
    faceAt(place) = window.card(place).bitmapIndex;
}

} // namespace brivmemo::testing
