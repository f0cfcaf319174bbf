// SPDX-License-Identifier: MIT
#include "PaintAndLoadFigures.h"

#include "Bitmap.h"
#include "GameWindows.h"
#include "ListResource.h"
#include "MMBitmapList.h"
#include "SideBySide.h"
#include "memo.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <stdexcept>

namespace {

using namespace brivmemo;

constexpr double AllowedRatio = 1.5;
struct PlacedPicture {
    QRect place;
    QImage picture;
};

Figure tableRepaint()
{
    const TGameWindows windows;
    TForm1 &form = windows.mainWindow();
    form.Inic_Jogo();
    form.Mostra_Todos();
    QWidget &table = *form.PnBaralho;
    std::vector<PlacedPicture> cards;
    for (int place = 1; place <= 40; ++place) {
        const TMMBitmapListImage &card = form.image(place);
        cards.push_back({card.geometry(), card.CurrentBitmap()->displayImage()});
    }
    QImage target(table.size(), QImage::Format_RGB32);
    const auto [game, floor] = timeSideBySide(
        200,
        [&] {
            table.render(&target);
            keep(target.pixel(60, 60));
        },
        [&] {
            QPainter painter(&target);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            for (const PlacedPicture &card : cards)
                painter.drawImage(card.place, card.picture);
            painter.end();
            keep(target.pixel(60, 60));
        });
    return {"repaint of the table, 40 cards", game, floor, "us", AllowedRatio};
}

// Qt widens 5-bit colour fields by shifting alone, the game by repeating their bits, so the
// two may differ in the three lowest bits of a channel.
bool sameColours(const QImage &qtImage, const QImage &displayImage)
{
    const QImage converted = qtImage.convertToFormat(QImage::Format_RGB32);
    if (converted.size() != displayImage.size())
        return false;
    for (int y = 0; y < converted.height(); ++y) {
        for (int x = 0; x < converted.width(); ++x) {
            const QRgb a = converted.pixel(x, y);
            const QRgb b = displayImage.pixel(x, y);
            if (std::abs(qRed(a) - qRed(b)) > 7 || std::abs(qGreen(a) - qGreen(b)) > 7
                || std::abs(qBlue(a) - qBlue(b)) > 7)
                return false;
        }
    }
    return true;
}

QByteArray listStream()
{
    // The loader registers the embedded files on its first use.
    TMMBitmapList list;
    loadBitmapListResource(list, QStringLiteral(":/memo.mbml"));
    QFile file(QStringLiteral(":/memo.mbml"));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("the main window's list is not embedded");
    return file.readAll();
}

Figure listLoading()
{
    const QByteArray stream = listStream();
    const std::span bytes(
        reinterpret_cast<const std::uint8_t *>(stream.constData()), static_cast<std::size_t>(stream.size()));
    std::vector<QByteArray> bmpFiles;
    {
        TMMBitmapList list;
        list.LoadListItems(bytes);
        for (int i = 0; i < list.Count(); ++i) {
            const auto file = list.Bitmaps(i)->toBytes();
            bmpFiles.emplace_back(
                reinterpret_cast<const char *>(file.data()), static_cast<qsizetype>(file.size()));
            QImage image;
            if (!image.loadFromData(bmpFiles.back(), "BMP")
                || !sameColours(image, list.Bitmaps(i)->displayImage()))
                throw std::runtime_error("Qt reads picture " + std::to_string(i) + " otherwise");
        }
    }
    const auto [game, floor] = timeSideBySide(
        20,
        [&] {
            TMMBitmapList list;
            list.LoadListItems(bytes);
            for (int i = 0; i < list.Count(); ++i)
                keep(list.Bitmaps(i)->displayImage().pixel(0, 0));
        },
        [&] {
            for (const QByteArray &file : bmpFiles) {
                QImage image;
                image.loadFromData(file, "BMP");
                keep(image.convertToFormat(QImage::Format_RGB32).pixel(0, 0));
            }
        });
    return {"loading the main window's list, 21 pictures", game, floor, "us", AllowedRatio};
}

} // namespace

std::vector<Figure> paintAndLoadFigures()
{
    return {tableRepaint(), listLoading()};
}
