// SPDX-License-Identifier: MIT
// Times two ways of doing the same work side by side, in batches that alternate between them,
// so that a change of the machine's load falls on both alike.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>

// Microseconds per call of each function, as medians of the batches.
std::pair<double, double> timeSideBySide(
    int callsPerBatch, const std::function<void()> &game, const std::function<void()> &floor);

// Keeps a result alive, so that the compiler cannot drop the work that made it.
void keep(std::uint32_t value);
