// SPDX-License-Identifier: MIT
// A clock that stands still until the test moves it; both of its readings move together.
#pragma once

#include "GameClock.h"

namespace brivmemo::test {

class FakeGameClock final : public statistics::GameClock {
public:
    QDateTime utcNow() const override { return start_.addMSecs(elapsed_); }
    std::int64_t steadyMilliseconds() const override { return SteadyStart + elapsed_; }

    void advanceSeconds(int seconds) { elapsed_ += std::int64_t {seconds} * 1000; }

private:
    static constexpr std::int64_t SteadyStart = 5'000'000;
    const QDateTime start_ = QDateTime(QDate(2024, 3, 9), QTime(22, 15, 30), Qt::UTC);
    std::int64_t elapsed_ = 0;
};

} // namespace brivmemo::test
