// SPDX-License-Identifier: MIT
#include "AboutPicture.h"

#include "CardPictures.h"
#include "EmojiArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace brivmemo::tools {

namespace {

constexpr QSize kSize(234, 60);
const QString kTitleFamily = QStringLiteral("DejaVu Sans");

void drawCard(QPainter &painter, const QImage &picture, QPointF centre, double angle)
{
    const QRectF card(-17, -17, 34, 34);
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    QPainterPath outline;
    outline.addRoundedRect(card, 3, 3);
    painter.setPen(QPen(QColor(20, 30, 60), 1.0));
    painter.setBrush(Qt::white);
    painter.drawPath(outline);
    painter.setClipPath(outline);
    painter.drawImage(card.adjusted(1, 1, -1, -1), picture);
    painter.restore();
}

} // namespace

QImage drawAboutPicture(int scale, const EmojiPainter &emoji)
{
    QImage picture(kSize * scale, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHints(
        QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    if (scale != 1)
        painter.scale(scale, scale);
    QLinearGradient sky(0, 0, 0, kSize.height());
    sky.setColorAt(0, QColor(16, 60, 120));
    sky.setColorAt(1, QColor(6, 24, 56));
    painter.fillRect(QRect(QPoint(0, 0), kSize), sky);

    // The game's cards are square; so are these, drawn at twice their size and scaled down.
    const QSize card(64 * scale, 64 * scale);
    const QImage back = drawCardBack(card);
    const QImage cat = placeForSquare(emoji(QStringLiteral("\U0001F431")), card, 0.84, Qt::white);
    const QImage frog = placeForSquare(emoji(QStringLiteral("\U0001F438")), card, 0.84, Qt::white);
    drawCard(painter, back, {22, 31}, -15);
    drawCard(painter, frog, {54, 31}, 13);
    drawCard(painter, cat, {38, 29}, -1);

    QFont title(kTitleFamily);
    title.setPixelSize(23);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor(255, 214, 64));
    painter.drawText(QRect(72, 4, 160, 30), Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Brivosta"));
    QFont subtitle(kTitleFamily);
    subtitle.setPixelSize(15);
    painter.setFont(subtitle);
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(QRect(72, 34, 160, 22), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Memory Game"));
    return picture;
}

} // namespace brivmemo::tools
