// SPDX-License-Identifier: MIT
// Complete games of each computer level against a human who never forgets a card: how often
// the computer wins, draws and loses, and how many whole games the engine plays per second.
#include "FakeGameWindow.h"
#include "PerfectMemoryPlayer.h"
#include "Random.h"

#include <benchmark/benchmark.h>

namespace {

using brivmemo::ComandoNivel;
using brivmemo::Jogador1;
using brivmemo::Jogador2;

void completeGames(benchmark::State &state, ComandoNivel level)
{
    brivmemo::resetGlobais();
    brivmemo::Config = brivmemo::defaultConfig();
    brivmemo::TipoJogo = 2;
    brivmemo::setRandomSeed(1);
    brivmemo::testing::FakeGameWindow window;
    window.checkLevel(level);
    brivmemo::testing::PerfectMemoryPlayer human;
    double games = 0;
    double wins = 0;
    double draws = 0;
    for (auto _ : state) {
        brivmemo::Ocupado = true;
        window.Inic_Jogo();
        brivmemo::Ocupado = false;
        window.clearResults();
        if (human.playGame(window) < 0) {
            state.SkipWithError("a game did not end");
            return;
        }
        ++games;
        wins += Jogador2.Pontos > Jogador1.Pontos ? 1 : 0;
        draws += Jogador2.Pontos == Jogador1.Pontos ? 1 : 0;
    }
    state.counters["games"] = games;
    state.counters["games_per_s"] = benchmark::Counter(games, benchmark::Counter::kIsRate);
    state.counters["computer_wins"] = wins / games;
    state.counters["draws"] = draws / games;
    state.counters["computer_losses"] = (games - wins - draws) / games;
}

BENCHMARK_CAPTURE(completeGames, Beginner, ComandoNivel::mnPrin)->MinTime(2.0);
BENCHMARK_CAPTURE(completeGames, Intermediate, ComandoNivel::mnInter)->MinTime(2.0);
BENCHMARK_CAPTURE(completeGames, Wizard, ComandoNivel::mnMagico)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
