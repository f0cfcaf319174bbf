// SPDX-License-Identifier: MIT
#include "ContactSheet.h"

#include <QFont>
#include <QPainter>
#include <algorithm>

namespace brivmemo::tools {

namespace {

constexpr int kMargin = 12;
constexpr int kGap = 14;
constexpr int kCaptionHeight = 44;
constexpr int kMinTileWidth = 110;
constexpr int kHeadingHeight = 34;

QFont captionFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

} // namespace

ContactSheet::ContactSheet(int width)
    : width_(width)
    , x_(kMargin)
    , y_(kMargin)
{ }

void ContactSheet::startRow()
{
    if (x_ > kMargin)
        y_ += rowHeight_ + kGap;
    x_ = kMargin;
    rowHeight_ = 0;
}

void ContactSheet::addHeading(const QString &text)
{
    startRow();
    placed_.push_back({QImage(), text, x_, y_, true});
    y_ += kHeadingHeight;
}

void ContactSheet::addTile(const QImage &picture, const QString &caption)
{
    const int tileWidth = std::max(picture.width(), kMinTileWidth);
    if (x_ > kMargin && x_ + tileWidth > width_ - kMargin)
        startRow();
    placed_.push_back({picture, caption, x_, y_, false});
    x_ += tileWidth + kGap;
    rowHeight_ = std::max(rowHeight_, picture.height() + kCaptionHeight);
}

QImage ContactSheet::render() const
{
    const int height = y_ + rowHeight_ + kMargin;
    QImage sheet(width_, height, QImage::Format_RGB32);
    sheet.fill(QColor(236, 236, 236));
    QPainter painter(&sheet);
    for (const Placed &item : placed_) {
        if (item.heading) {
            QFont font = captionFont();
            font.setPixelSize(18);
            font.setBold(true);
            painter.setFont(font);
            painter.setPen(QColor(30, 30, 30));
            painter.drawText(QRect(item.x, item.y, width_ - 2 * kMargin, kHeadingHeight - 6),
                Qt::AlignLeft | Qt::AlignBottom, item.text);
            continue;
        }
        painter.drawImage(item.x, item.y, item.picture);
        painter.setFont(captionFont());
        painter.setPen(QColor(60, 60, 60));
        painter.drawText(QRect(item.x, item.y + item.picture.height() + 2,
                             std::max(item.picture.width(), kMinTileWidth), kCaptionHeight - 2),
            Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, item.text);
    }
    return sheet;
}

QImage magnified(const QImage &picture, int factor, QPoint marked)
{
    QImage big(picture.width() * factor, picture.height() * factor, QImage::Format_RGB32);
    QPainter painter(&big);
    const int check = std::max(4, factor * 2);
    for (int y = 0; y < big.height(); y += check) {
        for (int x = 0; x < big.width(); x += check)
            painter.fillRect(x, y, check, check,
                ((x + y) / check) % 2 != 0 ? QColor(200, 200, 200) : QColor(250, 250, 250));
    }
    painter.drawImage(QRect(0, 0, big.width(), big.height()), picture.convertToFormat(QImage::Format_ARGB32));
    if (marked.x() >= 0) {
        painter.setPen(QPen(QColor(230, 0, 0), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(marked.x() * factor, marked.y() * factor, factor, factor);
    }
    return big;
}

} // namespace brivmemo::tools
