// SPDX-License-Identifier: MIT
#include "StartupFigures.h"

#include "ChildProcess.h"

namespace {

// Start-up within 1.3 times the floor's with text, and no more than 1.3 times its memory.
constexpr double AllowedStartupRatio = 1.3;
constexpr double AllowedMemoryRatio = 1.3;
// Runs of each program before measuring, so that all find their libraries in the cache.
constexpr int WarmUpRuns = 3;

struct Samples {
    std::vector<double> milliseconds;
    std::vector<double> mebibytes;

    void add(const ChildRun &run)
    {
        milliseconds.push_back(run.milliseconds);
        mebibytes.push_back(run.peakMebibytes);
    }
};

} // namespace

std::vector<Figure> startupFigures(const std::string &game, const std::string &floor, int runs)
{
    const std::vector<std::string> withText {"--text"};
    for (int i = 0; i < WarmUpRuns; ++i) {
        runToEnd(game);
        runToEnd(floor);
        runToEnd(floor, withText);
    }
    Samples gameRuns, floorRuns, textFloorRuns;
    for (int i = 0; i < runs; ++i) {
        gameRuns.add(runToEnd(game));
        floorRuns.add(runToEnd(floor));
        textFloorRuns.add(runToEnd(floor, withText));
    }
    const double gameTime = median(gameRuns.milliseconds);
    const double gamePeak = median(gameRuns.mebibytes);
    // Every window of the game has words, so the bound is the floor that shows one line of text;
    // the empty window tells the font system's share apart.
    return {
        {"start-up to the first painted main window", gameTime, median(textFloorRuns.milliseconds), "ms",
            AllowedStartupRatio},
        {"  the same, empty floor without text", gameTime, median(floorRuns.milliseconds), "ms", 0},
        {"peak memory up to then", gamePeak, median(textFloorRuns.mebibytes), "MiB", AllowedMemoryRatio},
        {"  the same, empty floor without text", gamePeak, median(floorRuns.mebibytes), "MiB", 0},
    };
}
