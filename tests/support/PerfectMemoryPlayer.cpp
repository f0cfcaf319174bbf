// SPDX-License-Identifier: MIT
#include "PerfectMemoryPlayer.h"

namespace brivmemo::testing {

int PerfectMemoryPlayer::chooseUnknown(const FakeGameWindow &window)
{
    return unknownPlace(window, 0);
}

} // namespace brivmemo::testing
