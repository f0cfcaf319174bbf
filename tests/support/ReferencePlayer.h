// SPDX-License-Identifier: MIT
// The scripted human that tests/reference/memory_reference.py defines and plays, move for
// move: a perfect memory that takes the known pair at the lowest place, otherwise turns the
// lowest unseen places. It plays through the fake window's clicks, as a person would.
#pragma once

#include "FakeGameWindow.h"

#include <array>
#include <cstddef>

namespace brivmemo::testing {

class ReferencePlayer {
public:
    // Remembers the faces of the two cards of the move in progress, by either player.
    void observe(const FakeGameWindow &window);
    // Turns the two cards of one move.
    void playMove(FakeGameWindow &window);

private:
    // The face seen at each place, 0 while unseen.
    std::array<int, NumLugares + 1> faceAt_ {};

    int &faceAt(int place) { return faceAt_[static_cast<std::size_t>(place)]; }
    // The lowest place on the table other than `except` that holds `face` (0: any unseen).
    int lowestOnTable(const FakeGameWindow &window, int face, int except) const;
    void turn(FakeGameWindow &window, int place);
};

} // namespace brivmemo::testing
