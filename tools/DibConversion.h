// SPDX-License-Identifier: MIT
// Turns drawn pictures into the pixel formats the game's files hold: palettes of 1, 4 or 8 bits,
// 16-bit 5-5-5 bit fields and 24 bits, each with the colour table it is asked to carry.
#pragma once

#include "BmpCodec.h"
#include "PaletteQuantiser.h"

#include <QImage>
#include <span>

namespace brivmemo::tools {

// A colour as the files store it: 0x00BBGGRR.
std::uint32_t toFileColor(QRgb rgb);

// The indexed picture in a palette format (Bits1, Bits4 or Bits8). The colour table is padded
// with black to the full 2, 16 or 256 entries.
DibPixels indexedDib(const IndexedPicture &picture, PixelFormat format);

// The picture in 24 bits, or in 16 bits with the 5-5-5 masks; alpha is ignored.
DibPixels directDib(const QImage &image, PixelFormat format);

// A picture in the given format that carries a colour table of tableSize entries: for palette
// formats the table the pixels index, for 16 and 24 bits the picture's own median-cut colours
// (which the pixels do not use). tableSize 0 gives a direct picture without a table.
DibPixels toDib(const QImage &image, PixelFormat format, int tableSize, std::span<const QRgb> pinned = {});

} // namespace brivmemo::tools
