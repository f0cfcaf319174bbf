// SPDX-License-Identifier: MIT
#include "SideBySide.h"

#include "Figure.h"

#include <chrono>

namespace {

constexpr int Batches = 15;

volatile std::uint32_t sink = 0;

} // namespace

void keep(std::uint32_t value)
{
    sink = sink + value;
}

std::pair<double, double> timeSideBySide(
    int callsPerBatch, const std::function<void()> &game, const std::function<void()> &floor)
{
    const auto perCall = [callsPerBatch](const std::function<void()> &work) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < callsPerBatch; ++i)
            work();
        const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
        return elapsed.count() / callsPerBatch;
    };
    perCall(game);
    perCall(floor);
    std::vector<double> gameTimes, floorTimes;
    for (int batch = 0; batch < Batches; ++batch) {
        gameTimes.push_back(perCall(game));
        floorTimes.push_back(perCall(floor));
    }
    return {median(gameTimes), median(floorTimes)};
}
