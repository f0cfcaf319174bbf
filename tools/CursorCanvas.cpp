// SPDX-License-Identifier: MIT
#include "CursorCanvas.h"

#include <algorithm>
#include <cstdlib>

namespace brivmemo::tools {

CursorCanvas::CursorCanvas(int scale)
    : scale_(scale)
    , side_(kSide * scale)
    , pixels_(static_cast<std::size_t>(side_) * static_cast<std::size_t>(side_), Pixel::Clear)
{ }

void CursorCanvas::set(const QRect &grid, Pixel pixel)
{
    const QRect fine(grid.x() * scale_, grid.y() * scale_, grid.width() * scale_, grid.height() * scale_);
    const QRect inside = fine & QRect(0, 0, side_, side_);
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            at(x, y) = pixel;
    }
}

void CursorCanvas::fill(const QRect &rect)
{
    set(rect, Pixel::White);
}

void CursorCanvas::fill(const QPainterPath &path)
{
    for (int y = 0; y < side_; ++y) {
        for (int x = 0; x < side_; ++x) {
            if (path.contains(QPointF((x + 0.5) / scale_, (y + 0.5) / scale_)))
                at(x, y) = Pixel::White;
        }
    }
}

void CursorCanvas::erase(const QRect &rect)
{
    set(rect, Pixel::Clear);
}

void CursorCanvas::stamp(QPoint topLeft, std::initializer_list<const char *> rows)
{
    int y = topLeft.y();
    for (const char *row : rows) {
        for (int x = topLeft.x(); *row != '\0'; ++x, ++row) {
            if (*row == 'o')
                set(QRect(x, y, 1, 1), Pixel::White);
        }
        ++y;
    }
}

void CursorCanvas::ink(QPoint from, QPoint to)
{
    const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
    for (int i = 0; i <= steps; ++i) {
        const int x = steps == 0 ? from.x() : from.x() + (to.x() - from.x()) * i / steps;
        const int y = steps == 0 ? from.y() : from.y() + (to.y() - from.y()) * i / steps;
        set(QRect(x, y, 1, 1), Pixel::Black);
    }
}

IconPicture CursorCanvas::finish(QPoint hotSpot) const
{
    auto outlined = *this;
    for (int y = 0; y < side_; ++y) {
        for (int x = 0; x < side_; ++x) {
            if (at(x, y) != Pixel::Clear)
                continue;
            bool touches = false;
            for (int dy = -scale_; dy <= scale_ && !touches; ++dy) {
                for (int dx = -scale_; dx <= scale_ && !touches; ++dx) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    touches = nx >= 0 && nx < side_ && ny >= 0 && ny < side_ && at(nx, ny) == Pixel::White;
                }
            }
            if (touches)
                outlined.at(x, y) = Pixel::Black;
        }
    }

    IconPicture picture;
    picture.hotSpot = hotSpot * scale_;
    picture.colors.width = side_;
    picture.colors.height = side_;
    picture.colors.format = PixelFormat::Bits1;
    picture.colors.palette = {0x000000, 0xFFFFFF};
    const std::size_t stride = picture.colors.stride();
    const auto side = static_cast<std::size_t>(side_);
    picture.colors.bits.assign(stride * side, 0);
    picture.transparent.resize(side * side);
    for (int y = 0; y < side_; ++y) {
        for (int x = 0; x < side_; ++x) {
            const Pixel pixel = outlined.at(x, y);
            picture.transparent[static_cast<std::size_t>(y) * side + static_cast<std::size_t>(x)]
                = pixel == Pixel::Clear;
            if (pixel == Pixel::White)
                picture.colors.bits[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x / 8)]
                    |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
    }
    return picture;
}

} // namespace brivmemo::tools
