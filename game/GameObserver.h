// SPDX-License-Identifier: MIT
// What the engine tells whoever listens as a game goes on: the deal, each card turned, each move
// scored and the end of the game. The engine's rules and timings do not depend on it; a
// listener only hears of what has just happened, after the board and the players show it.
#pragma once

namespace brivmemo {

class GameObserver {
public:
    virtual ~GameObserver() = default;

    // A new game is dealt, every card face down.
    virtual void gameDealt() { }
    // The card at the place (1..40) shows its face, turned by a human or by the computer.
    virtual void cardTurnedUp(int /*place*/) { }
    // The card at the place shows its back again.
    virtual void cardTurnedDown(int /*place*/) { }
    // The card at the place leaves the table with its pair.
    virtual void cardRemoved(int /*place*/) { }
    // A move is scored: a pair (the player keeps the turn) or a miss; player is 1 or 2, the
    // one who made the move.
    virtual void moveScored(bool /*pair*/, int /*player*/) { }
    // The table is empty and the result is about to be shown.
    virtual void gameOver() { }
    // "Show all Cards" has turned every card face up and locked the board.
    virtual void allCardsShown() { }
};

} // namespace brivmemo
