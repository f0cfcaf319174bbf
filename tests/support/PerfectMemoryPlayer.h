// SPDX-License-Identifier: MIT
// A greedy player who never forgets a card seen face up, by either player, and of the cards it
// has not seen turns the one at the lowest place; its games follow from the deal alone.
#pragma once

#include "GreedyPlayer.h"

namespace brivmemo::testing {

class PerfectMemoryPlayer final : public GreedyPlayer {
private:
    int chooseUnknown(const FakeGameWindow &window) override;
};

} // namespace brivmemo::testing
