// SPDX-License-Identifier: MIT
// The display's form of a picture's pixels, 32-bit RGB, converted a row at a time through small
// tables rather than pixel by pixel, since the game builds it for every picture it paints.
#pragma once

#include "BmpCodec.h"

#include <QImage>
#include <cstdint>

namespace brivmemo {

// The 8-bit intensity of one mask's bits in a pixel value; narrower fields repeat their bits so
// that the largest value gives 255. A zero mask gives 0.
std::uint8_t channelFromBits(std::uint32_t value, std::uint32_t mask);

// The picture in Format_RGB32, each pixel the colour TBitmap::pixel gives it: palette entries
// (black past the palette's end), masked fields or the bytes of 24-bit pixels. The rows must
// hold stride() x height bytes. A null image for an empty picture.
QImage displayForm(const DibPixels &pixels);

} // namespace brivmemo
