// SPDX-License-Identifier: MIT
// Reduces a picture to a palette of its own colours by median cut, so that the smooth shading of
// a drawing survives the step down to 256 or 16 colours. The result depends only on the pixels.
#pragma once

#include <QImage>
#include <QRgb>
#include <cstdint>
#include <span>
#include <vector>

namespace brivmemo::tools {

// A picture as palette indices, one byte per pixel, rows from top to bottom.
struct IndexedPicture {
    int width = 0;
    int height = 0;
    std::vector<QRgb> palette;
    std::vector<std::uint8_t> indices;

    std::uint8_t index(int x, int y) const { return indices[static_cast<std::size_t>(y * width + x)]; }
    QRgb color(int x, int y) const { return palette[index(x, y)]; }
};

// Builds a palette of at most maxColors entries (1..256) and maps every pixel to its nearest entry.
// The pinned colours come first in the palette, exactly as given, and pixels of those colours keep
// them. A picture with no more colours than the palette holds keeps every colour exactly. Pixels
// whose alpha is below one half do not count towards the palette and map to entry 0.
IndexedPicture quantise(const QImage &image, int maxColors, std::span<const QRgb> pinned = {});

} // namespace brivmemo::tools
