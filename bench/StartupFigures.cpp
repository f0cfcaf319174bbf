// SPDX-License-Identifier: MIT
#include "StartupFigures.h"

#include "ChildProcess.h"

namespace {

// Start-up within 1.3 times the floor's, and no more than 1.3 times its memory.
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
    return {
        {"start-up to the first painted main window", gameTime, median(floorRuns.milliseconds), "ms",
            AllowedStartupRatio},
        {"  the same, floor with one line of text", gameTime, median(textFloorRuns.milliseconds), "ms", 0},
        {"peak memory up to then", gamePeak, median(floorRuns.mebibytes), "MiB", AllowedMemoryRatio},
        {"  the same, floor with one line of text", gamePeak, median(textFloorRuns.mebibytes), "MiB", 0},
    };
}
