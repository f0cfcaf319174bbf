// SPDX-License-Identifier: MIT
#include "ScreenCursors.h"

#include <QPixmap>
#include <QWidget>
#include <gtest/gtest.h>

namespace brivmemo {
namespace {

constexpr int kNumber = 7301;

// A cursor whose making is counted, with a hot spot that tells it apart.
struct CountedCursor {
    int made = 0;

    std::function<std::optional<QCursor>()> make()
    {
        return [this]() -> std::optional<QCursor> {
            ++made;
            QPixmap picture(8, 8);
            picture.fill(Qt::black);
            return QCursor(picture, 2, 3);
        };
    }
};

TEST(LazyCursorTest, IsMadeAtItsFirstUseAndOnlyOnce)
{
    CountedCursor counted;
    setScreenCursor(kNumber, counted.make());
    EXPECT_EQ(counted.made, 0) << "nobody has asked for it yet";
    ASSERT_TRUE(screenCursor(kNumber).has_value());
    EXPECT_EQ(screenCursor(kNumber)->hotSpot(), QPoint(2, 3));
    EXPECT_EQ(counted.made, 1);
    removeScreenCursor(kNumber);
}

TEST(LazyCursorTest, AControlAlreadyShowingTheNumberTakesItAtOnce)
{
    QWidget control;
    setCursorNumber(control, kNumber);
    CountedCursor counted;
    setScreenCursor(kNumber, counted.make());
    EXPECT_EQ(counted.made, 1);
    EXPECT_TRUE(control.testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(control.cursor().hotSpot(), QPoint(2, 3));
    removeScreenCursor(kNumber);
}

TEST(LazyCursorTest, AMakeThatGivesNothingLeavesTheNumberWithoutACursor)
{
    setScreenCursor(kNumber, [] { return std::optional<QCursor>(); });
    QWidget control;
    setCursorNumber(control, kNumber);
    EXPECT_FALSE(screenCursor(kNumber).has_value());
    EXPECT_FALSE(control.testAttribute(Qt::WA_SetCursor));
    removeScreenCursor(kNumber);
}

} // namespace
} // namespace brivmemo
