// SPDX-License-Identifier: MIT
// Writes icon (.ico) and cursor (.cur) files of one picture each. The picture's colours come from
// the BMP encoder; the file adds the mask that makes pixels transparent and, for a cursor, keeps
// the hot spot in its directory entry (bytes 10 to 13 of the file, x then y, 16 bits each).
#pragma once

#include "BmpCodec.h"

#include <QPoint>
#include <cstdint>
#include <vector>

namespace brivmemo::tools {

enum class IconFileKind : std::uint16_t { Icon = 1, Cursor = 2 };

// One picture of at most 256 x 256 pixels in a palette format, with one flag per pixel (rows from
// top to bottom) that is true where the ground shows through.
struct IconPicture {
    DibPixels colors;
    std::vector<bool> transparent;
    QPoint hotSpot;
};

std::vector<std::uint8_t> encodeIconFile(const IconPicture &picture, IconFileKind kind);

} // namespace brivmemo::tools
