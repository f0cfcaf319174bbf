// SPDX-License-Identifier: MIT
#include "DevicePixels.h"

#include "Bitmap.h"

#include <QPainter>
#include <cmath>

namespace brivmemo {

namespace {

int mapped(int value, int finer, int coarse)
{
    return static_cast<int>(std::lround(static_cast<double>(value) * finer / coarse));
}

} // namespace

qreal deviceRatio(const QPainter &painter)
{
    return std::abs(painter.deviceTransform().m11());
}

QSize deviceSize(QSize size, qreal ratio)
{
    return {static_cast<int>(std::lround(size.width() * ratio)),
        static_cast<int>(std::lround(size.height() * ratio))};
}

PictureFrame finestFrame(const TBitmap &bitmap, const QRect &frame, qreal ratio)
{
    if (ratio > 1 && !bitmap.isEmpty()) {
        const QImage &finer = bitmap.finerImage();
        if (!finer.isNull()) {
            const int left = mapped(frame.left(), finer.width(), bitmap.width());
            const int top = mapped(frame.top(), finer.height(), bitmap.height());
            const int right = mapped(frame.left() + frame.width(), finer.width(), bitmap.width());
            const int bottom = mapped(frame.top() + frame.height(), finer.height(), bitmap.height());
            return {finer, QRect(QPoint(left, top), QPoint(right - 1, bottom - 1))};
        }
    }
    return {bitmap.displayImage(), frame};
}

} // namespace brivmemo
