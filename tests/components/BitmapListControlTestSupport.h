// SPDX-License-Identifier: MIT
// Pictures painted by a rule, a list that holds them, and the image a control paints on its
// own, over the pixel tests' background colour.
#pragma once

#include "Bitmap.h"
#include "MMBitmapList.h"
#include "PixelTestSupport.h"

#include <QWidget>
#include <memory>

namespace brivmemo::test {

// A 24-bit picture whose pixel (x, y) has the colour colorAt(x, y).
template<typename ColorAt> std::unique_ptr<TBitmap> paintedBitmap(int width, int height, ColorAt colorAt)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->create(PixelFormat::Bits24, width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            bitmap->setPixel(x, y, colorAt(x, y));
    }
    return bitmap;
}

inline std::unique_ptr<TBitmap> solidBitmap(int width, int height, TColor color)
{
    return paintedBitmap(width, height, [color](int, int) { return color; });
}

inline QImage renderedAlone(QWidget &control)
{
    QImage image = blankImage(control.width(), control.height());
    control.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

inline QColor qColorOf(TColor color)
{
    return QColor(redOf(color), greenOf(color), blueOf(color));
}

} // namespace brivmemo::test
