// SPDX-License-Identifier: MIT
// The classic 3D frame of the toolkit's containers: nested one-pixel rings, lit on the top and
// left, shaded on the right and bottom.
#pragma once

#include "Rect.h"

class QColor;
class QPainter;

namespace brivmemo {

// Draws width nested rings inside rect, the top and left edges in topColor and the right and
// bottom edges, with the top-right and bottom-left corners, in bottomColor; then shrinks rect by
// width on every side. A width of 0 or less does nothing. Nothing is painted outside rect.
void Frame3D(QPainter &canvas, TRect &rect, const QColor &topColor, const QColor &bottomColor, int width);

// The rectangle moved inwards by the given amount on every side, without overflowing.
TRect insetRect(const TRect &rect, int by);

} // namespace brivmemo
