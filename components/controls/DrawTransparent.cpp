// SPDX-License-Identifier: MIT
#include "DrawTransparent.h"

#include "Bitmap.h"
#include "Canvas.h"
#include "DevicePixels.h"
#include "SystemColors.h"

#include <QPainter>

namespace brivmemo {

namespace {

// The block of the picture with every pixel of the key colour see-through.
QImage keyedOut(const QImage &picture, const QRect &block, TColor transparentColor)
{
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
    return masked;
}

} // namespace

void DrawTransparent(
    QPainter &canvas, const TBitmap &bitmap, int x, int y, TColor transparentColor, const TRect &source)
{
    const QImage &picture = bitmap.displayImage();
    const QRect block = toQRect(source).intersected(picture.rect());
    if (block.isEmpty())
        return;
    const QPoint target(x + block.left() - source.Left, y + block.top() - source.Top);
    const qreal ratio = deviceRatio(canvas);
    if (ratio <= 1) {
        canvas.drawImage(target, keyedOut(picture, block, transparentColor));
        return;
    }
    // The colour is left out at the finest pixels there are, before they are scaled to the
    // device's: scaling first would blend it into the edge of the shape, where it no longer
    // matches and shows as a fringe.
    const PictureFrame finest = finestFrame(bitmap, block, ratio);
    QImage shown
        = keyedOut(finest.picture, finest.frame, transparentColor)
              .convertToFormat(QImage::Format_ARGB32_Premultiplied)
              .scaled(deviceSize(block.size(), ratio), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    shown.setDevicePixelRatio(ratio);
    canvas.drawImage(target, shown);
}

} // namespace brivmemo
