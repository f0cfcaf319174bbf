// SPDX-License-Identifier: MIT
#include "FirstPaintExit.h"

#include <QCoreApplication>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

using namespace brivmemo;

class PaintReporter : public QWidget {
public:
    bool painted = false;

protected:
    void paintEvent(QPaintEvent *) override
    {
        painted = true;
        std::fputs("painted\n", stderr);
    }
};

// Shows a window, with the hook or without, and runs its events until it has been painted, and a
// little beyond; ends the process with 7 if it is still running then, or with 3 if the window was
// never painted.
[[noreturn]] void showAndRun(bool withHook)
{
    PaintReporter window;
    window.resize(80, 60);
    if (withHook)
        exitAfterFirstPaint(window);
    window.show();
    for (int round = 0; round < 1000 && !window.painted; ++round)
        QCoreApplication::processEvents();
    for (int round = 0; round < 10; ++round)
        QCoreApplication::processEvents();
    std::exit(window.painted ? 7 : 3);
}

TEST(FirstPaintExitTest, EndsTheProcessRightAfterTheFirstPaint)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(showAndRun(true), testing::ExitedWithCode(0), "painted");
}

TEST(FirstPaintExitTest, TheSameWindowWithoutTheHookRunsOnPastItsFirstPaint)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(showAndRun(false), testing::ExitedWithCode(7), "painted");
}

} // namespace
