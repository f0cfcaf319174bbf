// SPDX-License-Identifier: MIT
// Copies part of a bitmap onto a canvas, leaving out one colour so that what the canvas held
// shows through there.
#pragma once

#include "Colors.h"
#include "Rect.h"

class QPainter;

namespace brivmemo {

class TBitmap;

// Copies the block of bitmap that source covers to (x, y) on the canvas, at its own size. Every
// pixel of the transparent colour (a system colour stands for its present value) leaves the
// canvas as it was; the others replace it. The part of source outside the bitmap copies
// nothing. The bitmap is not changed. On a canvas of more pixels than the bitmap has, the block
// is drawn from the bitmap's finer drawing where it has one, scaled to the device's pixels.
void DrawTransparent(
    QPainter &canvas, const TBitmap &bitmap, int x, int y, TColor transparentColor, const TRect &source);

} // namespace brivmemo
