// SPDX-License-Identifier: MIT
#include "Canvas.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

namespace brivmemo {

namespace {

// Walks the pixels of a line with Bresenham's rule, end point excluded, and hands each one to
// plot together with its place in the line's dot pattern.
class LineWalker {
public:
    LineWalker(QPainter &painter, const QColor &color, LineStyle style)
        : painter_(painter)
        , color_(color)
        , style_(style)
    { }

    void walk(QPoint from, QPoint to)
    {
        if (style_ == LineStyle::Solid && (from.x() == to.x() || from.y() == to.y())) {
            paintStraight(from, to);
            return;
        }
        std::int64_t x = from.x();
        std::int64_t y = from.y();
        const std::int64_t dx = std::llabs(std::int64_t {to.x()} - x);
        const std::int64_t dy = -std::llabs(std::int64_t {to.y()} - y);
        const int stepX = from.x() < to.x() ? 1 : -1;
        const int stepY = from.y() < to.y() ? 1 : -1;
        std::int64_t error = dx + dy;
        while (x != to.x() || y != to.y()) {
            plot(static_cast<int>(x), static_cast<int>(y));
            const std::int64_t doubled = 2 * error;
            if (doubled >= dy) {
                error += dy;
                x += stepX;
            }
            if (doubled <= dx) {
                error += dx;
                y += stepY;
            }
        }
    }

private:
    void paintStraight(QPoint from, QPoint to)
    {
        if (from == to)
            return;
        // The end point is left out: the span stops one pixel short of it.
        const QPoint last = to - QPoint(signOf(to.x() - from.x()), signOf(to.y() - from.y()));
        const QPoint topLeft(std::min(from.x(), last.x()), std::min(from.y(), last.y()));
        const QPoint bottomRight(std::max(from.x(), last.x()), std::max(from.y(), last.y()));
        painter_.fillRect(QRect(topLeft, bottomRight), color_);
    }

    static int signOf(int value) { return static_cast<int>(value > 0) - static_cast<int>(value < 0); }

    void plot(int x, int y)
    {
        const bool painted = style_ == LineStyle::Solid || patternIndex_ % 2 == 0;
        ++patternIndex_;
        if (painted)
            painter_.fillRect(QRect(x, y, 1, 1), color_);
    }

    QPainter &painter_;
    const QColor color_;
    const LineStyle style_;
    std::uint64_t patternIndex_ = 0;
};

} // namespace

void drawLine(QPainter &painter, QPoint from, QPoint to, const QColor &color, LineStyle style)
{
    LineWalker(painter, color, style).walk(from, to);
}

void drawPolyline(QPainter &painter, std::span<const QPoint> points, const QColor &color, LineStyle style)
{
    LineWalker walker(painter, color, style);
    for (std::size_t i = 1; i < points.size(); ++i)
        walker.walk(points[i - 1], points[i]);
}

void fillRect(QPainter &painter, const TRect &rect, const QColor &color)
{
    if (!rect.isEmpty())
        painter.fillRect(toQRect(rect), color);
}

void frameRect(QPainter &painter, const TRect &rect, const QColor &color, LineStyle style)
{
    if (rect.isEmpty())
        return;
    // A single row or column: closing the outline would paint it twice and spoil a pattern.
    if (rect.height() == 1) {
        drawLine(painter, QPoint(rect.Left, rect.Top), QPoint(rect.Right, rect.Top), color, style);
        return;
    }
    if (rect.width() == 1) {
        drawLine(painter, QPoint(rect.Left, rect.Top), QPoint(rect.Left, rect.Bottom), color, style);
        return;
    }
    const int right = rect.Right - 1;
    const int bottom = rect.Bottom - 1;
    const std::array<QPoint, 5> outline = {QPoint(rect.Left, rect.Top), QPoint(right, rect.Top),
        QPoint(right, bottom), QPoint(rect.Left, bottom), QPoint(rect.Left, rect.Top)};
    drawPolyline(painter, outline, color, style);
}

QRect toQRect(const TRect &rect)
{
    return QRect(QPoint(rect.Left, rect.Top), QSize(rect.width(), rect.height()));
}

TRect fromQRect(const QRect &rect)
{
    return TRect {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

} // namespace brivmemo
