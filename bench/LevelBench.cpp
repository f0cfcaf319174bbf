// SPDX-License-Identifier: MIT
// Complete games of each computer level against a greedy human who plays first: one who never
// forgets a card, and one who forgets each card it remembers with a fixed probability after
// every move. How often the computer wins, draws and loses, and how many whole games the engine
// plays per second.
#include "FakeGameWindow.h"
#include "ForgetfulPlayer.h"
#include "PerfectMemoryPlayer.h"
#include "Random.h"

#include <benchmark/benchmark.h>

namespace {

using brivmemo::ComandoNivel;
using brivmemo::Jogador1;
using brivmemo::Jogador2;

constexpr double MinSeconds = 2.0;

void completeGames(benchmark::State &state, ComandoNivel level, brivmemo::testing::GreedyPlayer &human)
{
    brivmemo::resetGlobais();
    brivmemo::Config = brivmemo::defaultConfig();
    brivmemo::TipoJogo = 2;
    brivmemo::setRandomSeed(1);
    brivmemo::testing::FakeGameWindow window;
    window.checkLevel(level);
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

void perfectMemory(benchmark::State &state, ComandoNivel level)
{
    brivmemo::testing::PerfectMemoryPlayer human;
    completeGames(state, level, human);
}

// The argument is the probability of forgetting a card after a move, in thousandths.
void forgetful(benchmark::State &state, ComandoNivel level)
{
    brivmemo::testing::ForgetfulPlayer human(static_cast<double>(state.range(0)) / 1000.0, 1);
    completeGames(state, level, human);
}

void forgettingRates(benchmark::internal::Benchmark *benchmark)
{
    benchmark->ArgName("forget_per_mille")->MinTime(MinSeconds);
    for (const int perMille : {0, 20, 50, 100, 200})
        benchmark->Arg(perMille);
}

BENCHMARK_CAPTURE(perfectMemory, Beginner, ComandoNivel::mnPrin)->MinTime(MinSeconds);
BENCHMARK_CAPTURE(perfectMemory, Intermediate, ComandoNivel::mnInter)->MinTime(MinSeconds);
BENCHMARK_CAPTURE(perfectMemory, Wizard, ComandoNivel::mnMagico)->MinTime(MinSeconds);
BENCHMARK_CAPTURE(forgetful, Beginner, ComandoNivel::mnPrin)->Apply(forgettingRates);
BENCHMARK_CAPTURE(forgetful, Intermediate, ComandoNivel::mnInter)->Apply(forgettingRates);
BENCHMARK_CAPTURE(forgetful, Wizard, ComandoNivel::mnMagico)->Apply(forgettingRates);

} // namespace

BENCHMARK_MAIN();
