// SPDX-License-Identifier: MIT
#include "IconPictures.h"

#include "CardPictures.h"
#include "DibConversion.h"
#include "EmojiArt.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <functional>

namespace brivmemo::tools {

namespace {

const QString kLetterFamily = QStringLiteral("DejaVu Sans");

// Drawings are made at eight times the icon's size and reduced smoothly.
constexpr int kOversample = 8;

QImage canvas(int side)
{
    QImage image(side * kOversample, side * kOversample, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage reduce(const QImage &drawing, int side)
{
    return drawing.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void drawQuestionMark(QPainter &painter, const QRectF &box, const QColor &color)
{
    QFont font(kLetterFamily);
    font.setBold(true);
    font.setPixelSize(static_cast<int>(box.height()));
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(box, Qt::AlignCenter, QStringLiteral("?"));
}

// A square card of 18 icon pixels turned about its centre, drawn by the given function in the
// card's own coordinates; the painter draws in icon pixels.
void drawCard(
    QPainter &painter, double angle, QPointF centre, const std::function<void(QPainter &, QRectF)> &face)
{
    const QRectF card(-9, -9, 18, 18);
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    QPainterPath outline;
    outline.addRoundedRect(card, 2.5, 2.5);
    painter.save();
    painter.setClipPath(outline);
    face(painter, card);
    painter.restore();
    painter.setPen(QPen(QColor(0, 0, 0), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    painter.restore();
}

// The main icon as drawn before its reduction to 32 x 32 is already the large icon.
constexpr int kLargeIconSide = 256;
static_assert(32 * kOversample == kLargeIconSide);

QImage mainIconDrawing()
{
    QImage drawing = canvas(32);
    {
        QPainter painter(&drawing);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        painter.scale(kOversample, kOversample);
        drawCard(painter, -14, {10.5, 11}, [](QPainter &p, QRectF card) {
            p.fillRect(card, kCardBackColor);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0));
            p.translate(-3.2, -3.4);
            p.scale(0.3, 0.3);
            p.drawPath(pawPrint());
        });
        const QImage cat
            = placeForSquare(renderEmoji(QStringLiteral("\U0001F431")), {144, 144}, 0.94, Qt::white);
        drawCard(painter, 10, {21, 20.5}, [&cat](QPainter &p, QRectF card) { p.drawImage(card, cat); });
    }
    return drawing;
}

} // namespace

SixteenColorPicture toSixteenColors(const QImage &image)
{
    const std::array<QRgb, 1> black {qRgb(0, 0, 0)};
    const IndexedPicture indexed = quantise(image, 16, black);
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);

    SixteenColorPicture result;
    result.icon.colors = indexedDib(indexed, PixelFormat::Bits4);
    result.icon.transparent.resize(
        static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()));
    result.image = QImage(image.size(), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool clear = qAlpha(source.pixel(x, y)) < 128;
            result.icon.transparent[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width())
                + static_cast<std::size_t>(x)]
                = clear;
            result.image.setPixel(x, y, clear ? qRgba(0, 0, 0, 0) : indexed.color(x, y));
        }
    }
    return result;
}

SixteenColorPicture mainIcon()
{
    return toSixteenColors(reduce(mainIconDrawing(), 32));
}

QImage largeMainIcon()
{
    return mainIconDrawing().convertToFormat(QImage::Format_ARGB32);
}

namespace {

QImage helpIconDrawing()
{
    QImage drawing = canvas(16);
    {
        QPainter painter(&drawing);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(kOversample, kOversample);
        painter.setPen(QPen(QColor(10, 40, 110), 1.0));
        painter.setBrush(QColor(30, 100, 220));
        painter.drawEllipse(QRectF(0.5, 0.5, 15, 15));
        drawQuestionMark(painter, QRectF(0, 1, 16, 14), Qt::white);
    }
    return drawing;
}

QImage helpItemDrawing()
{
    QImage drawing = canvas(16);
    {
        QPainter painter(&drawing);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(kOversample, kOversample);
        painter.setPen(QPen(QColor(10, 30, 90), 1.0));
        painter.setBrush(QColor(255, 255, 255));
        painter.drawRect(QRectF(3.5, 2.5, 11, 12));
        painter.setBrush(QColor(40, 90, 200));
        painter.drawRect(QRectF(1.5, 1.5, 11, 12));
        painter.setPen(QPen(QColor(10, 30, 90), 1.0));
        painter.drawLine(QPointF(3.5, 1.5), QPointF(3.5, 13.5));
        drawQuestionMark(painter, QRectF(3.5, 2.5, 9, 10), QColor(255, 220, 40));
    }
    return drawing;
}

} // namespace

SixteenColorPicture helpIcon()
{
    return toSixteenColors(reduce(helpIconDrawing(), 16));
}

SixteenColorPicture helpItemPicture()
{
    return toSixteenColors(reduce(helpItemDrawing(), 16));
}

QImage finerIcon(FinerIcon icon, int side)
{
    QImage drawing;
    switch (icon) {
    case FinerIcon::Main:
        drawing = mainIconDrawing();
        break;
    case FinerIcon::Help:
        drawing = helpIconDrawing();
        break;
    case FinerIcon::HelpItem:
        drawing = helpItemDrawing();
        break;
    }
    return reduce(drawing, side).convertToFormat(QImage::Format_ARGB32);
}

} // namespace brivmemo::tools
