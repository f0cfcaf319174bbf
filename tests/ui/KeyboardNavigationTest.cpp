// SPDX-License-Identifier: MIT
// Where the arrow keys, Home and End lead on the table of five rows of eight places.
#include "TableNavigation.h"

#include <Qt>
#include <gtest/gtest.h>

namespace {

struct MoveCase {
    TableMove move;
    int from;
    int to;
};

TEST(TableNavigationTest, MovesWithinRowsAndColumnsAndWraps)
{
    const MoveCase cases[] = {
        {TableMove::Right, 1, 2},
        {TableMove::Right, 8, 9},
        {TableMove::Right, 40, 1},
        {TableMove::Left, 9, 8},
        {TableMove::Left, 1, 40},
        {TableMove::Left, 26, 25},
        {TableMove::Up, 12, 4},
        {TableMove::Up, 1, 33},
        {TableMove::Up, 8, 40},
        {TableMove::Down, 4, 12},
        {TableMove::Down, 33, 1},
        {TableMove::Down, 40, 8},
        {TableMove::RowStart, 13, 9},
        {TableMove::RowStart, 9, 9},
        {TableMove::RowStart, 40, 33},
        {TableMove::RowEnd, 13, 16},
        {TableMove::RowEnd, 1, 8},
        {TableMove::RowEnd, 40, 40},
    };
    for (const MoveCase &c : cases) {
        SCOPED_TRACE(testing::Message() << "move " << static_cast<int>(c.move) << " from " << c.from);
        EXPECT_EQ(placeAfterMove(c.from, c.move), c.to);
    }
}

TEST(TableNavigationTest, ArrowsHomeAndEndAreTheMovingKeys)
{
    const std::pair<int, std::optional<TableMove>> keys[] = {
        {Qt::Key_Left, TableMove::Left},
        {Qt::Key_Right, TableMove::Right},
        {Qt::Key_Up, TableMove::Up},
        {Qt::Key_Down, TableMove::Down},
        {Qt::Key_Home, TableMove::RowStart},
        {Qt::Key_End, TableMove::RowEnd},
        {Qt::Key_Space, std::nullopt},
        {Qt::Key_Return, std::nullopt},
        {Qt::Key_PageUp, std::nullopt},
        {Qt::Key_F2, std::nullopt},
    };
    for (const auto &[key, move] : keys)
        EXPECT_EQ(tableMoveForKey(key), move) << "key " << key;
}

} // namespace
