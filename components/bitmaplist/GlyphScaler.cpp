// SPDX-License-Identifier: MIT
#include "GlyphScaler.h"

#include "Canvas.h"

#include <algorithm>

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

std::vector<GlyphScaler::SharedResult> &GlyphScaler::sharedResults()
{
    static std::vector<SharedResult> results;
    return results;
}

const QImage &GlyphScaler::scaled(
    const QImage &picture, const TRect &frame, QSize size, const QColor &fill, qreal ratio)
{
    const Key key {picture.cacheKey(), frame, size, fill.rgb(), ratio};
    if (key_ == key)
        return scaled_;
    scaled_ = QImage();
    std::vector<SharedResult> &results = sharedResults();
    // A result held by no scaler any more has the list's copy as its only reference.
    std::erase_if(results, [](const SharedResult &result) { return result.scaled.isDetached(); });
    const auto shared = std::find_if(
        results.begin(), results.end(), [&key](const SharedResult &result) { return result.key == key; });
    if (shared != results.end()) {
        scaled_ = shared->scaled;
    } else {
        scaled_ = scaleFrame(picture, frame, size, fill);
        scaled_.setDevicePixelRatio(ratio);
        results.push_back({key, scaled_});
    }
    key_ = key;
    return scaled_;
}

} // namespace brivmemo
