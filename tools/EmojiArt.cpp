// SPDX-License-Identifier: MIT
#include "EmojiArt.h"

#include <QFont>
#include <QFontInfo>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace brivmemo::tools {

namespace {

const QString kEmojiFamily = QStringLiteral("Noto Color Emoji");
// The pixel size of the font's own bitmaps: drawing at it copies them without resampling.
constexpr int kNativePixelSize = 109;

QRect coveredRect(const QImage &image)
{
    QRect covered;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0)
                covered |= QRect(x, y, 1, 1);
        }
    }
    return covered;
}

} // namespace

QImage renderEmoji(const QString &emoji)
{
    QFont font(kEmojiFamily);
    font.setPixelSize(kNativePixelSize);
    if (QFontInfo(font).family() != kEmojiFamily)
        throw std::runtime_error("the Noto Color Emoji font is not installed");

    QImage canvas(3 * kNativePixelSize, 3 * kNativePixelSize, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setFont(font);
        painter.drawText(canvas.rect(), Qt::AlignCenter, emoji);
    }
    const QRect covered = coveredRect(canvas);
    if (covered.isEmpty())
        throw std::runtime_error("the emoji font drew nothing for " + emoji.toStdString());
    return canvas.copy(covered);
}

QImage placeForSquare(const QImage &art, QSize pictureSize, double fraction, const QColor &ground)
{
    const double longest = std::max(art.width(), art.height());
    const QSize scaled(
        std::max(1, static_cast<int>(std::lround(fraction * pictureSize.width() * art.width() / longest))),
        std::max(1, static_cast<int>(std::lround(fraction * pictureSize.height() * art.height() / longest))));
    QImage picture(pictureSize, QImage::Format_ARGB32_Premultiplied);
    picture.fill(ground);
    QPainter painter(&picture);
    painter.drawImage((pictureSize.width() - scaled.width()) / 2,
        (pictureSize.height() - scaled.height()) / 2,
        art.scaled(scaled, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return picture;
}

} // namespace brivmemo::tools
