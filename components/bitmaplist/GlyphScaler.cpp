// SPDX-License-Identifier: MIT
#include "GlyphScaler.h"

#include "Canvas.h"

namespace brivmemo {

namespace {

QImage scaleFrame(const QImage &picture, const TRect &frame, QSize size, const QColor &fill)
{
    const QRect source = toQRect(frame);
    if (!source.isEmpty() && picture.rect().contains(source))
        return picture.copy(source).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage result(size, QImage::Format_RGB32);
    result.fill(fill);
    return result;
}

} // namespace

const QImage &GlyphScaler::scaled(const QImage &picture, const TRect &frame, QSize size, const QColor &fill)
{
    const Key key {picture.cacheKey(), frame, size, fill.rgb()};
    if (key_ != key) {
        scaled_ = scaleFrame(picture, frame, size, fill);
        key_ = key;
    }
    return scaled_;
}

} // namespace brivmemo
