// SPDX-License-Identifier: MIT
// The scripted human of tests/reference/memory_reference.py, move for move: it remembers every
// card seen face up, by either player; it takes the known pair with the lowest place, lower
// place first; otherwise it turns the lowest unseen place, then that card's partner if seen,
// else the lowest other unseen place. It plays through the fake window's clicks.
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
