// SPDX-License-Identifier: MIT
#include "CardPictures.h"

#include "EmojiArt.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace brivmemo::tools {

namespace {

// The card the pictures are stretched to, in pixels; drawing in its units keeps shapes round.
constexpr double kCardSide = 82.0;
constexpr QSize kBackSize(119, 135);
constexpr double kFaceFraction = 0.86;
// The vector drawings are drawn this much finer than the fine pictures and then reduced, as
// the font's bitmaps are for the scale-1 faces.
constexpr int kDrawingOversample = 2;

struct Face {
    const char *name = nullptr;
    const char16_t *emoji = nullptr;
    QSize size;
};

// Animals a child tells apart at a glance: different shapes and main colours.
const std::array<Face, 20> kFaces {{
    {"dog", u"\U0001F436", {84, 107}},
    {"cat", u"\U0001F431", {100, 112}},
    {"lion", u"\U0001F981", {114, 112}},
    {"frog", u"\U0001F438", {138, 146}},
    {"pig", u"\U0001F437", {98, 114}},
    {"elephant", u"\U0001F418", {120, 106}},
    {"penguin", u"\U0001F427", {105, 83}},
    {"fox", u"\U0001F98A", {88, 160}},
    {"owl", u"\U0001F989", {125, 90}},
    {"octopus", u"\U0001F419", {127, 94}},
    {"turtle", u"\U0001F422", {132, 92}},
    {"whale", u"\U0001F433", {140, 88}},
    {"butterfly", u"\U0001F98B", {83, 85}},
    {"snail", u"\U0001F40C", {106, 97}},
    {"crab", u"\U0001F980", {89, 120}},
    {"giraffe", u"\U0001F992", {122, 90}},
    {"zebra", u"\U0001F993", {84, 115}},
    {"parrot", u"\U0001F99C", {102, 148}},
    {"monkey", u"\U0001F435", {111, 89}},
    {"ladybug", u"\U0001F41E", {134, 119}},
}};

} // namespace

QPainterPath pawPrint()
{
    QPainterPath paw;
    paw.addEllipse(QPointF(0, 5), 8.5, 7.0);
    paw.addEllipse(QPointF(-10.5, -3.5), 3.4, 4.3);
    paw.addEllipse(QPointF(-4.0, -9.5), 3.6, 4.6);
    paw.addEllipse(QPointF(4.0, -9.5), 3.6, 4.6);
    paw.addEllipse(QPointF(10.5, -3.5), 3.4, 4.3);
    return paw;
}

QImage drawCardBack(QSize size)
{
    QImage back(size, QImage::Format_RGB32);
    QPainter painter(&back);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / kCardSide, size.height() / kCardSide);
    painter.fillRect(QRectF(0, 0, kCardSide, kCardSide), kCardBackColor);
    painter.setPen(QPen(QColor(255, 255, 255), 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(4.5, 4.5, kCardSide - 9, kCardSide - 9), 5, 5);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0));
    const QPainterPath paw = pawPrint();
    painter.save();
    painter.translate(28, 54);
    painter.rotate(-18);
    painter.drawPath(paw);
    painter.restore();
    painter.translate(54, 27);
    painter.rotate(12);
    painter.drawPath(paw);
    return back;
}

std::vector<ListPicture> mainWindowList()
{
    std::vector<ListPicture> list;
    list.push_back({QStringLiteral("back"), drawCardBack(kBackSize), PixelFormat::Bits16, 256, {}});
    for (const Face &face : kFaces) {
        const QImage art = renderEmoji(QString::fromUtf16(face.emoji));
        list.push_back(
            {QString::fromLatin1(face.name), placeForSquare(art, face.size, kFaceFraction, Qt::white),
                PixelFormat::Bits8, 256, {qRgb(255, 255, 255)}});
    }
    return list;
}

std::vector<QImage> mainWindowFinePictures(const QString &drawingFolder)
{
    const QSize side(kFinePictureSide, kFinePictureSide);
    std::vector<QImage> pictures {drawCardBack(side)};
    for (const Face &face : kFaces) {
        const QImage art = renderEmojiDrawing(
            drawingFolder, QString::fromUtf16(face.emoji), kDrawingOversample * kFinePictureSide);
        pictures.push_back(placeForSquare(art, side, kFaceFraction, Qt::white));
    }
    return pictures;
}

} // namespace brivmemo::tools
