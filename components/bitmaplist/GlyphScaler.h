// SPDX-License-Identifier: MIT
// Scales one frame of a picture to the size of a control, smoothly, and keeps the last result,
// so that repainting a control that shows the same frame at the same size is one plain copy.
// Scalers that ask for the same frame at the same size share one result: the forty cards of a
// fresh table scale the card back once. For the user-interface thread only.
#pragma once

#include "Rect.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <optional>
#include <vector>

namespace brivmemo {

class GlyphScaler {
public:
    // The frame of the picture stretched to size, independently in x and y. A frame that is
    // empty or does not lie wholly within the picture gives the fill colour alone. The picture
    // is known by its cache key, which changes whenever its pixels do. The result is marked
    // with the device ratio: size is in device pixels, and it covers size / ratio logical ones.
    const QImage &scaled(
        const QImage &picture, const TRect &frame, QSize size, const QColor &fill, qreal ratio = 1);

private:
    struct Key {
        qint64 picture;
        TRect frame;
        QSize size;
        QRgb fill;
        qreal ratio;

        bool operator==(const Key &) const = default;
    };

    struct SharedResult {
        Key key;
        QImage scaled;
    };

    // The results that some scaler holds at the moment.
    static std::vector<SharedResult> &sharedResults();

    std::optional<Key> key_;
    QImage scaled_;
};

} // namespace brivmemo
