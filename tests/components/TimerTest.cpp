// SPDX-License-Identifier: MIT
#include "Timer.h"

#include "Exceptions.h"
#include "MessageBoxTestSupport.h"

#include <QMetaObject>
#include <gtest/gtest.h>

namespace brivmemo {
namespace {

QTimer &innerTimer(TTimer &timer)
{
    auto *const inner = timer.findChild<QTimer *>();
    if (inner == nullptr)
        throw std::logic_error("the timer has no QTimer");
    return *inner;
}

struct IntervalStep {
    int interval;
    bool active;
    int notifications;
};

struct IntervalCase {
    const char *name;
    std::vector<IntervalStep> steps;
};

class TimerIntervalTest : public testing::TestWithParam<IntervalCase> { };

// Each step sets the interval, then checks the state and how many changes were announced so far.
TEST_P(TimerIntervalTest, FollowsItsInterval)
{
    TTimer timer;
    ASSERT_EQ(timer.Interval(), 0);
    ASSERT_FALSE(timer.isActive());
    int changes = 0;
    QObject::connect(&timer, &TTimer::intervalChanged, [&changes] { ++changes; });
    for (const IntervalStep &step : GetParam().steps) {
        timer.setInterval(step.interval);
        EXPECT_EQ(timer.Interval(), step.interval);
        EXPECT_EQ(timer.isActive(), step.active) << "after " << step.interval;
        EXPECT_EQ(changes, step.notifications) << "after " << step.interval;
        if (step.active) {
            EXPECT_EQ(innerTimer(timer).interval(), step.interval);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Intervals, TimerIntervalTest,
    testing::Values(IntervalCase {"StartAndStop", {{1000, true, 1}, {0, false, 2}}},
        IntervalCase {"SameValueChangesNothing", {{500, true, 1}, {500, true, 1}}},
        IntervalCase {"ZeroWhenStopped", {{0, false, 0}}},
        IntervalCase {"NewPeriod", {{3000, true, 1}, {500, true, 2}}},
        IntervalCase {"NegativeStops", {{1000, true, 1}, {-5, false, 2}}}),
    [](const testing::TestParamInfo<IntervalCase> &info) { return info.param.name; });

TEST(TimerTest, EachPeriodRunsTheHandler)
{
    TTimer timer;
    int ticks = 0;
    timer.OnTimer = [&ticks] { ++ticks; };
    timer.setInterval(1000);

    QMetaObject::invokeMethod(&innerTimer(timer), "timeout");
    timer.Timer();

    EXPECT_EQ(ticks, 2);
}

TEST(TimerTest, HandlerMayStopTheTimerAndReplaceItself)
{
    TTimer timer;
    std::vector<int> calls;
    timer.OnTimer = [&] {
        calls.push_back(1);
        timer.setInterval(0);
        timer.OnTimer = [&calls] { calls.push_back(2); };
    };
    timer.setInterval(500);

    timer.Timer();
    timer.Timer();

    EXPECT_EQ(calls, (std::vector<int> {1, 2}));
    EXPECT_FALSE(timer.isActive());
}

TEST(TimerTest, FailingHandlerIsShownAndTheTimerGoesOn)
{
    test::MessageBoxRecorder boxes;
    TTimer timer;
    timer.OnTimer = [] { throw EReadError(); };
    timer.setInterval(1000);

    timer.Timer();

    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown().front().text, QStringLiteral("Stream read error"));
    EXPECT_TRUE(timer.isActive());
}

} // namespace
} // namespace brivmemo
