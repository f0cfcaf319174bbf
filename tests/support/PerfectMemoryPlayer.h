// SPDX-License-Identifier: MIT
// A scripted human who never forgets a card seen face up, by either player: it takes every
// pair it knows, otherwise turns an unknown card and then its partner when known. It plays
// through the fake window's clicks and timer, as a person would through the real window.
#pragma once

#include "FakeGameWindow.h"

#include <array>

namespace brivmemo::testing {

class PerfectMemoryPlayer {
public:
    // Plays the game dealt by the last Inic_Jogo until its result shows: the human moves
    // through clicks, every move ended by firing the timer. Returns the number of moves, or
    // -1 if the game stalls or has not ended after maxMoves.
    int playGame(FakeGameWindow &window, int maxMoves = 1000);

    // Forgets everything, as at a new game.
    void forget();
    // Remembers the faces of the cards turned in the move in progress, by either player.
    void observe(const FakeGameWindow &window);
    // Turns the two cards of one move.
    void playMove(FakeGameWindow &window);

private:
    static constexpr int Faces = NumLugares / 2;

    // The face seen at each place (0 unknown), and the places where each face was seen.
    std::array<int, NumLugares + 1> faceAt_ {};
    std::array<std::array<int, 2>, Faces + 1> placesOf_ {};

    void turn(FakeGameWindow &window, int place);
    int knownPartner(int place) const;
    int unknownPlace(const FakeGameWindow &window, int except) const;
};

} // namespace brivmemo::testing
