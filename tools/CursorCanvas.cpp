// SPDX-License-Identifier: MIT
#include "CursorCanvas.h"

#include <algorithm>
#include <cstdlib>

namespace brivmemo::tools {

void CursorCanvas::fill(const QRect &rect)
{
    const QRect inside = rect & QRect(0, 0, kSide, kSide);
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            at(x, y) = Pixel::White;
    }
}

void CursorCanvas::fill(const QPainterPath &path)
{
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            if (path.contains(QPointF(x + 0.5, y + 0.5)))
                at(x, y) = Pixel::White;
        }
    }
}

void CursorCanvas::erase(const QRect &rect)
{
    const QRect inside = rect & QRect(0, 0, kSide, kSide);
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            at(x, y) = Pixel::Clear;
    }
}

void CursorCanvas::stamp(QPoint topLeft, std::initializer_list<const char *> rows)
{
    int y = topLeft.y();
    for (const char *row : rows) {
        for (int x = topLeft.x(); *row != '\0'; ++x, ++row) {
            if (*row == 'o' && x >= 0 && x < kSide && y >= 0 && y < kSide)
                at(x, y) = Pixel::White;
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
        if (x >= 0 && x < kSide && y >= 0 && y < kSide)
            at(x, y) = Pixel::Black;
    }
}

IconPicture CursorCanvas::finish(QPoint hotSpot) const
{
    auto outlined = *this;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            if (at(x, y) != Pixel::Clear)
                continue;
            bool touches = false;
            for (int dy = -1; dy <= 1 && !touches; ++dy) {
                for (int dx = -1; dx <= 1 && !touches; ++dx) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    touches = nx >= 0 && nx < kSide && ny >= 0 && ny < kSide && at(nx, ny) == Pixel::White;
                }
            }
            if (touches)
                outlined.at(x, y) = Pixel::Black;
        }
    }

    IconPicture picture;
    picture.hotSpot = hotSpot;
    picture.colors.width = kSide;
    picture.colors.height = kSide;
    picture.colors.format = PixelFormat::Bits1;
    picture.colors.palette = {0x000000, 0xFFFFFF};
    const std::size_t stride = picture.colors.stride();
    picture.colors.bits.assign(stride * kSide, 0);
    picture.transparent.resize(std::size_t {kSide} * kSide);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const Pixel pixel = outlined.at(x, y);
            picture.transparent[static_cast<std::size_t>(y) * kSide + static_cast<std::size_t>(x)]
                = pixel == Pixel::Clear;
            if (pixel == Pixel::White)
                picture.colors.bits[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x / 8)]
                    |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
    }
    return picture;
}

} // namespace brivmemo::tools
