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

// Shows a window and runs its events until it has been painted, and a little beyond; ends the
// process with 7 if it is still running then, or with 3 if the window was never painted.
[[noreturn]] void showAndRun()
{
    PaintReporter window;
    window.resize(80, 60);
    exitAfterFirstPaintIfAsked(window);
    window.show();
    for (int round = 0; round < 1000 && !window.painted; ++round)
        QCoreApplication::processEvents();
    for (int round = 0; round < 10; ++round)
        QCoreApplication::processEvents();
    std::exit(window.painted ? 7 : 3);
}

TEST(FirstPaintExitTest, EndsTheProcessRightAfterTheFirstPaintWhenAsked)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("BRIVMEMO_EXIT_AFTER_FIRST_PAINT", "1", 1);
            showAndRun();
        },
        testing::ExitedWithCode(0), "painted");
}

TEST(FirstPaintExitTest, ChangesNothingWithoutTheVariable)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            unsetenv("BRIVMEMO_EXIT_AFTER_FIRST_PAINT");
            showAndRun();
        },
        testing::ExitedWithCode(7), "painted");
}

} // namespace
