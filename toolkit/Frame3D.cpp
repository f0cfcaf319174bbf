// SPDX-License-Identifier: MIT
#include "Frame3D.h"

#include "Canvas.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace brivmemo {

namespace {

int clampToInt(std::int64_t value)
{
    return static_cast<int>(
        std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

QPoint point(std::int64_t x, std::int64_t y)
{
    return {clampToInt(x), clampToInt(y)};
}

} // namespace

TRect insetRect(const TRect &rect, int by)
{
    return TRect {clampToInt(std::int64_t {rect.Left} + by), clampToInt(std::int64_t {rect.Top} + by),
        clampToInt(std::int64_t {rect.Right} - by), clampToInt(std::int64_t {rect.Bottom} - by)};
}

void Frame3D(QPainter &canvas, TRect &rect, const QColor &topColor, const QColor &bottomColor, int width)
{
    if (width <= 0)
        return;
    const std::int64_t left = rect.Left;
    const std::int64_t top = rect.Top;
    const std::int64_t right = std::int64_t {rect.Right} - 1;
    const std::int64_t bottom = std::int64_t {rect.Bottom} - 1;
    // Rings that have shrunk past both spans lie wholly outside the rectangle.
    const std::int64_t rings = std::min<std::int64_t>(width, std::max(right - left, bottom - top) + 1);
    canvas.save();
    canvas.setClipRect(toQRect(rect), Qt::IntersectClip);
    for (std::int64_t k = 0; k < rings; ++k) {
        const std::array<QPoint, 3> litEdges
            = {point(left + k, bottom - k), point(left + k, top + k), point(right - k, top + k)};
        const std::array<QPoint, 3> shadedEdges
            = {point(right - k, top + k), point(right - k, bottom - k), point(left + k - 1, bottom - k)};
        drawPolyline(canvas, litEdges, topColor);
        drawPolyline(canvas, shadedEdges, bottomColor);
    }
    canvas.restore();
    rect = insetRect(rect, width);
}

} // namespace brivmemo
