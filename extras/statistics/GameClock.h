// SPDX-License-Identifier: MIT
// The time as the statistics read it: the date of a game's end, and a steady count for how long
// it took, which does not jump when the system's clock is set. Tests drive one of their own.
#pragma once

#include <QDateTime>
#include <cstdint>

namespace brivmemo::statistics {

class GameClock {
public:
    virtual ~GameClock() = default;

    virtual QDateTime utcNow() const = 0;
    // Milliseconds from any fixed moment; only differences mean something.
    virtual std::int64_t steadyMilliseconds() const = 0;
};

} // namespace brivmemo::statistics
