// SPDX-License-Identifier: MIT
// A greedy player whose memory fades: after every move, its own or the computer's, it forgets
// each card it remembers with a fixed probability, and of the cards it does not remember it
// turns one at random. It draws from a generator of its own, never the game's, so the game's
// draws stay the computer's alone and a seed fixes the player's choices.
#pragma once

#include "GreedyPlayer.h"

#include <cstdint>
#include <random>

namespace brivmemo::testing {

class ForgetfulPlayer final : public GreedyPlayer {
public:
    ForgetfulPlayer(double forgetting, std::uint32_t seed);

private:
    std::mt19937 random_;
    std::bernoulli_distribution forgets_;

    int chooseUnknown(const FakeGameWindow &window) override;
    void forgetAfterMove() override;
};

} // namespace brivmemo::testing
