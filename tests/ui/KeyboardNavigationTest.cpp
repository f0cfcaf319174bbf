// SPDX-License-Identifier: MIT
// Where the arrow keys, Home and End lead on the table of five rows of eight places.
#include "TableNavigation.h"

#include <Qt>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

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

TEST(TableNavigationTest, SidewaysStepsVisitEveryPlaceOnceAndComeBack)
{
    for (const TableMove move : {TableMove::Right, TableMove::Left}) {
        std::set<int> visited;
        int place = 1;
        for (int step = 0; step < TablePlaces; ++step) {
            const int next = placeAfterMove(place, move);
            EXPECT_TRUE(std::abs(next - place) == 1 || std::abs(next - place) == TablePlaces - 1)
                << place << " to " << next;
            place = next;
            visited.insert(place);
        }
        EXPECT_EQ(place, 1);
        EXPECT_EQ(visited.size(), static_cast<std::size_t>(TablePlaces));
    }
}

TEST(TableNavigationTest, VerticalStepsStayInTheColumnAndComeBackAfterFiveRows)
{
    for (const TableMove move : {TableMove::Up, TableMove::Down}) {
        for (int start = 1; start <= TablePlaces; ++start) {
            std::set<int> rows;
            int place = start;
            for (int step = 0; step < TableRows; ++step) {
                place = placeAfterMove(place, move);
                ASSERT_EQ((place - 1) % TableColumns, (start - 1) % TableColumns) << start;
                rows.insert((place - 1) / TableColumns);
            }
            EXPECT_EQ(place, start);
            EXPECT_EQ(rows.size(), static_cast<std::size_t>(TableRows)) << start;
        }
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
