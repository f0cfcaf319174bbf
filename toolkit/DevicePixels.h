// SPDX-License-Identifier: MIT
// Drawing at the device's own pixels: on a high-density screen a logical pixel covers several
// device pixels, and pictures are drawn from pixels at least as fine as those where the program
// has them, instead of being drawn at one pixel per logical pixel and enlarged.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;

namespace brivmemo {

class TBitmap;

// Device pixels per logical pixel where the painter draws: the screen's ratio when it paints a
// widget, the image's when a widget is rendered into an image of another ratio.
qreal deviceRatio(const QPainter &painter);

// A logical size in device pixels, rounded to whole pixels.
QSize deviceSize(QSize size, qreal ratio);

// The pixels to draw a frame of a picture from.
struct PictureFrame {
    QImage picture;
    QRect frame;
};

// Above ratio 1, the bitmap's finer drawing with the frame mapped onto it in proportion, where
// it has one; otherwise its display image and the frame as given.
PictureFrame finestFrame(const TBitmap &bitmap, const QRect &frame, qreal ratio);

} // namespace brivmemo
