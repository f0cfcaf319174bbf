// SPDX-License-Identifier: MIT
// Plays the human side of a game on the real main window with keys alone: the arrow keys,
// Home and End bring the focus frame to a card, Space or Enter turns it. Keys go to the
// window as the window system delivers them, to whatever widget has the focus. Each move is
// ended by running the window's timer tick, as the message loop would.
#pragma once

#include "TableMemory.h"

#include <Qt>

class TForm1;
class TableKeyboard;

namespace brivmemo::test {

class KeyboardPlayer {
public:
    explicit KeyboardPlayer(TForm1 &form);

    TableKeyboard &keyboard() const { return keyboard_; }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;
    // Brings the frame to the place by the shortest way of rows and columns, going to a
    // row's ends with Home and End; false when the frame does not get there.
    bool moveTo(int place) const;
    // The frame to the place, then the key there.
    bool turn(int place, Qt::Key key) const;

    // Plays the game dealt last until the timer stops with the board locked, taking every
    // pair it has seen and otherwise turning cards it has not seen. Returns the moves of both
    // players, or -1 when a move of the human does not turn two cards or the game has not
    // ended after the given number of moves.
    int playGame(int maxMoves = 500);

private:
    void playMove();

    TForm1 &form_;
    TableKeyboard &keyboard_;
    TableMemory memory_;
};

} // namespace brivmemo::test
