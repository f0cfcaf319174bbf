// SPDX-License-Identifier: MIT
// Plays the human side of a game on the real main window, through mouse clicks on the card
// controls, and ends each move by running the window's timer tick, as the message loop would.
#pragma once

#include "TableMemory.h"

class TForm1;

namespace brivmemo::test {

class ClickingPlayer {
public:
    // Remembering plays as a person with a perfect memory: it takes every pair it has seen,
    // otherwise turns a card it has not seen. Knowing reads the board and never misses.
    enum class Strategy { Remembering, Knowing };

    ClickingPlayer(TForm1 &form, Strategy strategy);

    // Plays the game dealt last until the timer stops with the board locked: the game is
    // over. Returns the number of moves of both players, or -1 when a move of the human does
    // not turn two cards or the game has not ended after the given number of moves.
    int playGame(int maxMoves = 500);

private:
    void playMove();
    void click(int place);

    TForm1 &form_;
    Strategy strategy_;
    TableMemory memory_;
};

} // namespace brivmemo::test
