// SPDX-License-Identifier: MIT
// The program's windows with a game dealt from a known seed, ready for keys: the game-type
// dialog answered at start-up, the main window active.
#pragma once

#include "DealtGameFixture.h"
#include "KeyboardPlayer.h"

#include <memory>

namespace brivmemo::test {

class KeyboardGameTest : public DealtGameTest {
protected:
    void startGame(bool againstComputer, void (TForm1::*chooseLevel)(), std::uint32_t seed)
    {
        DealtGameTest::startGame(againstComputer, chooseLevel, seed);
        player = std::make_unique<KeyboardPlayer>(form());
    }

    // The first place after the given one whose card lies face down and differs from it.
    int otherFace(int place) const
    {
        for (int other = 1; other <= NumLugares; ++other) {
            if (other != place && !form().image(other).isHidden() && form().image(other).BitmapIndex() == 0
                && form().Tabuleiro.Cartas[other].Valor != form().Tabuleiro.Cartas[place].Valor)
                return other;
        }
        return 0;
    }

    // The place of the other card of the pair.
    int partner(int place) const
    {
        for (int other = 1; other <= NumLugares; ++other) {
            if (other != place
                && form().Tabuleiro.Cartas[other].Valor == form().Tabuleiro.Cartas[place].Valor)
                return other;
        }
        return 0;
    }

    std::unique_ptr<KeyboardPlayer> player;
};

} // namespace brivmemo::test
