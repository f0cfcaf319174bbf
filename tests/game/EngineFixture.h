// SPDX-License-Identifier: MIT
// The shared state put back as at program start, the default settings, a fixed seed and a
// fake window with a fresh deal, for the engine's tests.
#pragma once

#include "FakeGameWindow.h"
#include "Random.h"

#include <array>
#include <gtest/gtest.h>

namespace brivmemo::testing {

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobais();
        Config = defaultConfig();
        setRandomSeed(20240601);
    }

    // As the window's commands do it: the board locked around the reset.
    void newGame(int tipoJogo, ComandoNivel level = ComandoNivel::mnInter)
    {
        TipoJogo = tipoJogo;
        window.checkLevel(level);
        Ocupado = true;
        window.Inic_Jogo();
        Ocupado = false;
    }

    // The two places that hold the face.
    std::array<int, 2> placesOf(int face) const
    {
        std::array<int, 2> places {};
        std::size_t found = 0;
        for (int place = 1; place <= NumLugares; ++place) {
            if (window.Tabuleiro.Cartas[place].Valor == face && found < places.size())
                places[found++] = place;
        }
        return places;
    }

    void turnPair(int face)
    {
        const auto places = placesOf(face);
        window.click(places[0]);
        window.click(places[1]);
    }

    // Turns one card of each face: a miss.
    void turnMiss(int face1, int face2)
    {
        window.click(placesOf(face1)[0]);
        window.click(placesOf(face2)[0]);
    }

    FakeGameWindow window;
};

} // namespace brivmemo::testing
