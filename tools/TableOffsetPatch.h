// SPDX-License-Identifier: MIT
// The bitmap list writer stores every BMP image with true header fields. The game's lists keep
// the older habit of 16-bit and 24-bit pictures that carry a colour table: their file header's
// pixel offset and file size count no table, as if the pixels followed the header (and masks) at
// once. The list's decoder reads the pixels after the table and ignores both fields, so the lists
// exercise that rule. These functions rewrite the two fields in place after writing.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace brivmemo::tools {

// Rewrites the file header of one BMP image when it has more than 8 bits per pixel and a colour
// table; any other image is left as it is. Throws std::invalid_argument for bytes too short to
// hold the headers.
void leaveColorTableOutOfOffsets(std::span<std::uint8_t> image);

// The same for every image of a plain ("MBML") bitmap list stream. Throws std::invalid_argument
// for a stream that is not plain or whose records do not fit in it.
void leaveColorTablesOutOfOffsets(std::vector<std::uint8_t> &plainListStream);

} // namespace brivmemo::tools
