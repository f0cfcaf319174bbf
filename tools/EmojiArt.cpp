// SPDX-License-Identifier: MIT
#include "EmojiArt.h"

#include <QDir>
#include <QFont>
#include <QFontInfo>
#include <QPainter>
#include <QSvgRenderer>
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

QImage cutToCovered(const QImage &canvas, const QString &emoji)
{
    const QRect covered = coveredRect(canvas);
    if (covered.isEmpty())
        throw std::runtime_error("nothing was drawn for " + emoji.toStdString());
    return canvas.copy(covered);
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
    return cutToCovered(canvas, emoji);
}

QImage renderEmojiDrawing(const QString &drawingFolder, const QString &emoji, int side)
{
    const QString path
        = QDir(drawingFolder).filePath(QStringLiteral("%1.svg").arg(emoji.toUcs4().value(0), 0, 16));
    QSvgRenderer drawing(path);
    if (!drawing.isValid())
        throw std::runtime_error("cannot read the drawing " + path.toStdString());
    QImage canvas(side, side, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        drawing.render(&painter);
    }
    return cutToCovered(canvas, emoji);
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
