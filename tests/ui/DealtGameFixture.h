// SPDX-License-Identifier: MIT
// The program's windows with a game dealt from a known seed: the game-type dialog answered at
// start-up, the main window active.
#pragma once

#include "GameWindowsFixture.h"
#include "MMCheck.h"
#include "Random.h"
#include "Uescolhe.h"
#include "memo.h"

#include <QPushButton>
#include <cstdint>
#include <utility>

namespace brivmemo::test {

class DealtGameTest : public GameWindowsTest {
protected:
    void startGame(bool againstComputer, void (TForm1::*chooseLevel)(), std::uint32_t seed)
    {
        createWindows();
        showAndActivate(form(), [againstComputer](QWidget &) {
            (againstComputer ? frmEscolhe->rabComputador : frmEscolhe->rabHumano)->SetChecked(true);
            frmEscolhe->cmdOK->click();
        });
        setRandomSeed(seed);
        (form().*chooseLevel)();
    }

    // Two face-down places that do not match.
    std::pair<int, int> missingPair() const
    {
        const TTabuleiro &board = form().Tabuleiro;
        for (int second = 2; second <= NumLugares; ++second) {
            if (board.Cartas[second].Valor != board.Cartas[1].Valor)
                return {1, second};
        }
        return {0, 0};
    }
};

} // namespace brivmemo::test
