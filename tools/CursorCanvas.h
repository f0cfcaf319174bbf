// SPDX-License-Identifier: MIT
// A 32 x 32 two-colour cursor drawn as a white shape: the black outline around the shape is added
// when the cursor is finished, and black lines may be drawn inside it for detail.
#pragma once

#include "IconFile.h"

#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <array>
#include <initializer_list>

namespace brivmemo::tools {

class CursorCanvas {
public:
    static constexpr int kSide = 32;

    void fill(const QRect &rect);
    // Fills the pixels whose centres lie inside the path.
    void fill(const QPainterPath &path);
    void erase(const QRect &rect);
    // Fills the pixels marked 'o' in the rows, the first row's first character at topLeft.
    void stamp(QPoint topLeft, std::initializer_list<const char *> rows);
    void ink(QPoint from, QPoint to);

    // Black wherever a clear pixel touches the white shape, also at a corner; the colours as a
    // black and white palette picture with the clear pixels transparent.
    IconPicture finish(QPoint hotSpot) const;

private:
    enum class Pixel : std::uint8_t { Clear, White, Black };

    Pixel &at(int x, int y) { return pixels_[static_cast<std::size_t>(y * kSide + x)]; }
    Pixel at(int x, int y) const { return pixels_[static_cast<std::size_t>(y * kSide + x)]; }

    std::array<Pixel, kSide * kSide> pixels_ {};
};

} // namespace brivmemo::tools
