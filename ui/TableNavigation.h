// SPDX-License-Identifier: MIT
// Moving over the table's forty places, five rows of eight numbered 1..40 row by row, as the
// arrow keys and Home/End do: sideways steps run on through the rows from place 40 to place 1
// and back, vertical steps wrap within their column.
#pragma once

#include <optional>

enum class TableMove { Left, Right, Up, Down, RowStart, RowEnd };

constexpr int TableRows = 5;
constexpr int TableColumns = 8;
constexpr int TablePlaces = TableRows * TableColumns;

// The place a move leads to from a place in 1..40.
int placeAfterMove(int place, TableMove move);

// The move a key gives, if it gives one.
std::optional<TableMove> tableMoveForKey(int key);
