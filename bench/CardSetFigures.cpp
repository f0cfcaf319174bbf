// SPDX-License-Identifier: MIT
#include "CardSetFigures.h"

#include "CardSet.h"
#include "CardSetLimits.h"
#include "CardSetSwitcher.h"
#include "GameWindows.h"
#include "SideBySide.h"
#include "memo.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <stdexcept>

namespace {

using namespace brivmemo;
using namespace brivmemo::cardset;

constexpr double AllowedLoadingRatio = 1.5;

// A picture of flat shapes, as the tool stores drawings: 8 bits with a colour table.
std::unique_ptr<TBitmap> drawnPicture(int entry)
{
    QImage image(kPictureSide, kPictureSide, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor::fromHsv(entry * 17 % 360, 200, 230));
    painter.drawEllipse(20 + entry, 30, 200 - 2 * entry, 180);
    painter.setBrush(QColor::fromHsv(entry * 53 % 360, 255, 120));
    painter.drawRect(60, 60 + entry * 3, 120, 40);
    painter.end();
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    auto picture = std::make_unique<TBitmap>();
    std::vector<TColor> palette;
    for (const QRgb colour : indexed.colorTable())
        palette.push_back(static_cast<TColor>(qRed(colour) | qGreen(colour) << 8 | qBlue(colour) << 16));
    picture->setPalette(palette);
    picture->create(PixelFormat::Bits8, kPictureSide, kPictureSide);
    for (int y = 0; y < kPictureSide; ++y)
        for (int x = 0; x < kPictureSide; ++x)
            picture->setPixelValue(x, y, indexed.pixelIndex(x, y));
    return picture;
}

CardSet drawnSet()
{
    CardSet set;
    set.metadata.name = QStringLiteral("Bench");
    for (int entry = 0; entry < kEntryCount; ++entry) {
        set.pictures.push_back(drawnPicture(entry));
        if (entry > 0)
            set.metadata.faces << QStringLiteral("face %1").arg(entry);
    }
    return set;
}

QString pngPath(const QString &folder, int entry)
{
    return QDir(folder).filePath(QStringLiteral("%1.png").arg(entry));
}

Figure loading(const QString &folder)
{
    const auto [game, floor] = timeSideBySide(
        10,
        [&folder] {
            const CardSet set = readCardSet(folder);
            for (const auto &picture : set.pictures)
                keep(picture->displayImage().pixel(0, 0));
        },
        [&folder] {
            for (int entry = 0; entry < kEntryCount; ++entry)
                keep(QImage(pngPath(folder, entry)).convertToFormat(QImage::Format_RGB32).pixel(0, 0));
        });
    return {"loading a card set, 21 pictures of 246 px", game, floor, "us", AllowedLoadingRatio};
}

// The whole switch as the menu makes it: reading the set, showing its pictures, repainting.
Figure switching(const QString &folder)
{
    const TGameWindows windows;
    TForm1 &form = windows.mainWindow();
    form.Inic_Jogo();
    form.Mostra_Todos();
    QWidget &table = *form.PnBaralho;
    QImage target(table.size(), QImage::Format_RGB32);
    extras::CardSetSwitcher switcher(form);
    extras::FoundCardSet other {QStringLiteral("bench"), folder, readCardSetMetadata(folder)};
    const extras::FoundCardSet animals = extras::builtInCardSet();
    bool showingOther = false;
    const auto [game, floor] = timeSideBySide(
        20,
        [&] {
            showingOther = !showingOther;
            switcher.show(showingOther ? other : animals);
            table.render(&target);
            keep(target.pixel(60, 60));
        },
        [&] {
            table.render(&target);
            keep(target.pixel(60, 60));
        });
    return {"switching card sets, with the repaint", game, floor, "us", 0};
}

} // namespace

std::vector<Figure> cardSetFigures()
{
    const QTemporaryDir folder;
    CardSet set = drawnSet();
    writeCardSet(folder.path(), set, StreamForm::Packed);
    for (int entry = 0; entry < kEntryCount; ++entry)
        if (!set.pictures[static_cast<std::size_t>(entry)]->displayImage().save(
                pngPath(folder.path(), entry)))
            throw std::runtime_error("the PNG floor's pictures cannot be written");
    return {loading(folder.path()), switching(folder.path())};
}
