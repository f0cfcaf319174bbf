// SPDX-License-Identifier: MIT
// A scripted human that plays greedily from what it remembers of the cards shown face up, by
// either player: it takes a pair it knows, otherwise turns a card it does not remember and then
// that card's partner when it remembers it, else another card it does not remember. It plays
// through the fake window's clicks and timer, as a person would through the real window. Which
// unknown card it turns, and what it lets go of after a move, are for each kind of player.
#pragma once

#include "FakeGameWindow.h"

#include <array>

namespace brivmemo::testing {

class GreedyPlayer {
public:
    virtual ~GreedyPlayer() = default;

    // Plays the game dealt by the last Inic_Jogo until its result shows: the human moves
    // through clicks, every move ended by endMove. Returns the number of moves, or -1 if the
    // game stalls or has not ended after maxMoves.
    int playGame(FakeGameWindow &window, int maxMoves = 1000);

    // Forgets everything, as at a new game.
    void forget();
    // Remembers the faces of the cards turned in the move in progress, by either player.
    void observe(const FakeGameWindow &window);
    // Turns the two cards of one move. A card it does not remember is always there when it
    // needs one: with none left, every card on the table is remembered and so is a pair, and
    // the partner of a first card it did not remember is itself not remembered. Should that
    // ever fail, it turns fewer than two cards and playGame reports the stall.
    void playMove(FakeGameWindow &window);
    // Remembers the two cards of the move in progress, lets the timer end the move (and
    // start the computer's), lets go of a pair that left the table, then of what this player
    // forgets after a move.
    void endMove(FakeGameWindow &window);

protected:
    GreedyPlayer() = default;

    bool remembers(int place) const;
    // Lets go of a card it remembers.
    void forgetCard(int place);
    // The face-down cards it does not remember: how many, and the one at an index among them
    // in increasing order of place (0 if there is none at that index).
    int unknownCount(const FakeGameWindow &window) const;
    int unknownPlace(const FakeGameWindow &window, int index) const;

private:
    static constexpr int Faces = NumLugares / 2;

    // What it knows of each place, a face 1..20, Unknown or Gone (its pair left the table),
    // and the places where each face is remembered (0 none), so that a move needs no search.
    static constexpr int Unknown = 0;
    static constexpr int Gone = -1;
    std::array<int, NumLugares + 1> faceAt_ {};
    std::array<std::array<int, 2>, Faces + 1> placesOf_ {};

    // One of the face-down cards it does not remember, 0 if there is none.
    virtual int chooseUnknown(const FakeGameWindow &window) = 0;
    virtual void forgetAfterMove() { }

    void turn(FakeGameWindow &window, int place);
    int knownPartner(int place) const;
    bool isUnknown(const FakeGameWindow &window, int place) const;
};

} // namespace brivmemo::testing
