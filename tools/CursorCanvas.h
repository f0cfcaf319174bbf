// SPDX-License-Identifier: MIT
// A 32 x 32 two-colour cursor drawn as a white shape: the black outline around the shape is added
// when the cursor is finished, and black lines may be drawn inside it for detail. A canvas of a
// larger scale draws the same cursor in finer pixels, for high-density screens: coordinates stay
// those of the 32 x 32 grid, and paths are filled at the finer pixels.
#pragma once

#include "IconFile.h"

#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace brivmemo::tools {

class CursorCanvas {
public:
    static constexpr int kSide = 32;

    explicit CursorCanvas(int scale = 1);

    void fill(const QRect &rect);
    // Fills the pixels whose centres lie inside the path.
    void fill(const QPainterPath &path);
    void erase(const QRect &rect);
    // Fills the pixels marked 'o' in the rows, the first row's first character at topLeft.
    void stamp(QPoint topLeft, std::initializer_list<const char *> rows);
    void ink(QPoint from, QPoint to);

    // Black wherever a clear pixel lies within one grid pixel of the white shape, also at a
    // corner; the colours as a black and white palette picture with the clear pixels
    // transparent, and the hot spot in its pixels.
    IconPicture finish(QPoint hotSpot) const;

private:
    enum class Pixel : std::uint8_t { Clear, White, Black };

    Pixel &at(int x, int y) { return pixels_[static_cast<std::size_t>(y * side_ + x)]; }
    Pixel at(int x, int y) const { return pixels_[static_cast<std::size_t>(y * side_ + x)]; }
    // Sets the fine pixels of a rectangle of grid pixels.
    void set(const QRect &grid, Pixel pixel);

    int scale_;
    int side_;
    std::vector<Pixel> pixels_;
};

} // namespace brivmemo::tools
