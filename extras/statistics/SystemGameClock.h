// SPDX-License-Identifier: MIT
// The computer's own clocks, for the program.
#pragma once

#include "GameClock.h"

namespace brivmemo::statistics {

class SystemGameClock final : public GameClock {
public:
    QDateTime utcNow() const override;
    std::int64_t steadyMilliseconds() const override;
};

} // namespace brivmemo::statistics
