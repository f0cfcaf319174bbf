// SPDX-License-Identifier: MIT
#include "SquarePicture.h"

#include <QPainter>
#include <algorithm>

namespace brivmemo::cardtool {

QImage fitOnSquare(const QImage &picture, int side)
{
    QImage square(side, side, QImage::Format_RGB32);
    square.fill(Qt::white);
    if (picture.isNull())
        return square;
    // A picture that already fits exactly is not resampled, so its pixels stay as they are.
    const QImage scaled = std::max(picture.width(), picture.height()) == side
        ? picture
        : picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&square);
    painter.drawImage((side - scaled.width()) / 2, (side - scaled.height()) / 2, scaled);
    return square;
}

} // namespace brivmemo::cardtool
