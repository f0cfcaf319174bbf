// SPDX-License-Identifier: MIT
#include "TableNavigation.h"

#include <Qt>

namespace {

int wrap(int value, int modulus)
{
    return ((value % modulus) + modulus) % modulus;
}

} // namespace

int placeAfterMove(int place, TableMove move)
{
    const int index = place - 1;
    const int row = index / TableColumns;
    const int column = index % TableColumns;
    switch (move) {
    case TableMove::Left:
        return wrap(index - 1, TablePlaces) + 1;
    case TableMove::Right:
        return wrap(index + 1, TablePlaces) + 1;
    case TableMove::Up:
        return wrap(row - 1, TableRows) * TableColumns + column + 1;
    case TableMove::Down:
        return wrap(row + 1, TableRows) * TableColumns + column + 1;
    case TableMove::RowStart:
        return row * TableColumns + 1;
    case TableMove::RowEnd:
        return row * TableColumns + TableColumns;
    }
    return place;
}

std::optional<TableMove> tableMoveForKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return TableMove::Left;
    case Qt::Key_Right:
        return TableMove::Right;
    case Qt::Key_Up:
        return TableMove::Up;
    case Qt::Key_Down:
        return TableMove::Down;
    case Qt::Key_Home:
        return TableMove::RowStart;
    case Qt::Key_End:
        return TableMove::RowEnd;
    default:
        return std::nullopt;
    }
}
