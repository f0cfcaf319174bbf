// SPDX-License-Identifier: MIT
#include "DrawTransparent.h"

#include "Bitmap.h"
#include "Canvas.h"
#include "SystemColors.h"

#include <QPainter>

namespace brivmemo {

void DrawTransparent(
    QPainter &canvas, const TBitmap &bitmap, int x, int y, TColor transparentColor, const TRect &source)
{
    const QImage &picture = bitmap.displayImage();
    const QRect block = toQRect(source).intersected(picture.rect());
    if (block.isEmpty())
        return;
    QImage masked = picture.copy(block).convertToFormat(QImage::Format_ARGB32);
    const QColor leftOut = toQColor(transparentColor);
    const QRgb key = leftOut.rgb() & RGB_MASK;
    for (int row = 0; row < masked.height(); ++row) {
        auto *pixels = reinterpret_cast<QRgb *>(masked.scanLine(row));
        for (int column = 0; column < masked.width(); ++column) {
            if ((pixels[column] & RGB_MASK) == key)
                pixels[column] = 0;
        }
    }
    canvas.drawImage(QPoint(x + block.left() - source.Left, y + block.top() - source.Top), masked);
}

} // namespace brivmemo
