// SPDX-License-Identifier: MIT
// What a player with a perfect memory knows of the table: the face last seen on every place,
// and which cards still lie on the table showing their backs. Players that differ only in
// how they turn a card share it.
#pragma once

#include <array>
#include <functional>

class TForm1;

namespace brivmemo::test {

class TableMemory {
public:
    explicit TableMemory(const TForm1 &form);

    // Remembers the face of every card on the table that shows it.
    void observe();
    // The card is on the table and shows its back.
    bool faceDown(int place) const;
    // A face-down place whose face has never been seen, other than the one given; 0 if none.
    int unseenPlace(int except) const;
    // Another face-down place seen with the same face as the given one; 0 if none.
    int seenPartner(int place) const;
    // A face-down place whose partner has been seen too; 0 if none.
    int knownPairPlace() const;

private:
    const TForm1 &form_;
    std::array<int, 41> faceAt_ {};
};

// Runs the game dealt last until the timer stops with the board locked: the game is over.
// Calls humanMove on the human's turns and ends each move by running the window's timer tick,
// as the message loop would, after memory has seen both cards. Returns the number of moves of
// both players, or -1 when a move does not turn two cards or the game has not ended after
// maxMoves moves.
int playUntilOver(TForm1 &form, TableMemory &memory, int maxMoves, const std::function<void()> &humanMove);

} // namespace brivmemo::test
