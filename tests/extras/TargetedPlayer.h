// SPDX-License-Identifier: MIT
// Plays the humans of a game on the real main window towards a chosen end: each human takes
// pairs, reading the board, until holding the pairs wanted for it, then misses on purpose while
// two pairs or more are left; the last pair goes to whoever is to move. The computer plays as it
// does. Every move is ended by running the window's timer tick, as the message loop would, and
// counted per player, independently of the code under test.
#pragma once

#include <array>
#include <functional>

class TForm1;

namespace brivmemo::test {

class TargetedPlayer {
public:
    // beforeEachTick runs before each timer tick that ends a move, with both cards showing.
    TargetedPlayer(TForm1 &form, std::array<int, 2> pairsWanted, std::function<void()> beforeEachTick = {});

    // Plays until the table is empty; false when the game stalls or does not end.
    bool playToTheEnd();
    // Plays until only the given pairs are left and a human is to move; then turns the two
    // cards of the next move and leaves the move waiting for the timer.
    bool playUntilWaitingWithPairsLeft(int pairs);

    // The moves and the misses of player 1 and player 2 so far.
    const std::array<int, 2> &moves() const { return moves_; }
    const std::array<int, 2> &misses() const { return misses_; }

private:
    bool humanToMove() const;
    int pairsLeft() const;
    bool faceDown(int place) const;
    void turnHumanMove();
    void click(int place);
    // Ends the move waiting for the timer; false when none was waiting.
    bool endMove();

    TForm1 &form_;
    std::array<int, 2> pairsWanted_;
    std::function<void()> beforeEachTick_;
    std::array<int, 2> moves_ {};
    std::array<int, 2> misses_ {};
};

} // namespace brivmemo::test
