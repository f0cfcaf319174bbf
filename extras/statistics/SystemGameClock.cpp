// SPDX-License-Identifier: MIT
#include "SystemGameClock.h"

#include <chrono>

namespace brivmemo::statistics {

QDateTime SystemGameClock::utcNow() const
{
    return QDateTime::currentDateTimeUtc();
}

std::int64_t SystemGameClock::steadyMilliseconds() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace brivmemo::statistics
