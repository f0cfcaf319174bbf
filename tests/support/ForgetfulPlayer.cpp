// SPDX-License-Identifier: MIT
#include "ForgetfulPlayer.h"

namespace brivmemo::testing {

ForgetfulPlayer::ForgetfulPlayer(double forgetting, std::uint32_t seed)
    : random_(seed)
    , forgets_(forgetting)
{ }

int ForgetfulPlayer::chooseUnknown(const FakeGameWindow &window)
{
    const int count = unknownCount(window);
    if (count == 0)
        return 0;
    std::uniform_int_distribution<int> index(0, count - 1);
    return unknownPlace(window, index(random_));
}

void ForgetfulPlayer::forgetAfterMove()
{
    for (int place = 1; place <= NumLugares; ++place) {
        if (remembers(place) && forgets_(random_))
            forgetCard(place);
    }
}

} // namespace brivmemo::testing
