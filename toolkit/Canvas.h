// SPDX-License-Identifier: MIT
// Drawing helpers over QPainter that keep the pixel rules the components were drawn with: a
// line paints its start point and stops just before its end point, and a rectangle or fill
// covers [Left, Right) x [Top, Bottom). Every helper paints whole pixels in one colour.
#pragma once

#include "Rect.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <span>

class QPainter;

namespace brivmemo {

enum class LineStyle {
    Solid,
    // Every other pixel, starting with the first one painted.
    Dotted,
};

void drawLine(
    QPainter &painter, QPoint from, QPoint to, const QColor &color, LineStyle style = LineStyle::Solid);

// Lines from each point to the next; the last point is not painted, and a dotted pattern runs on
// across the corners.
void drawPolyline(QPainter &painter, std::span<const QPoint> points, const QColor &color,
    LineStyle style = LineStyle::Solid);

// Fills the rectangle; an empty or inverted one paints nothing.
void fillRect(QPainter &painter, const TRect &rect, const QColor &color);

// The one-pixel outline on the rectangle's outermost columns and rows.
void frameRect(QPainter &painter, const TRect &rect, const QColor &color, LineStyle style = LineStyle::Solid);

QRect toQRect(const TRect &rect);
TRect fromQRect(const QRect &rect);

} // namespace brivmemo
