// SPDX-License-Identifier: MIT
#include "ResourceGenerator.h"

#include "AboutPicture.h"
#include "CardPictures.h"
#include "ContactSheet.h"
#include "DialogPictures.h"
#include "DibConversion.h"
#include "EmojiArt.h"
#include "HandCursors.h"
#include "IconPictures.h"
#include "LibraryCursors.h"
#include "ListFile.h"
#include "PaletteQuantiser.h"
#include "RadioGlyphs.h"

#include <QDir>
#include <QFile>
#include <array>
#include <stdexcept>
#include <utility>

namespace brivmemo::tools {

namespace {

constexpr int kCardSide = 82;
// The dialogs' ground in the application's palette, for showing the glyphs as a dialog does.
constexpr QRgb kDialogFace = 0xFFEFEFEF;

QImage onDialogFace(const QImage &strip)
{
    QImage shown = strip.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixel(x, y) == kGlyphGround)
                shown.setPixel(x, y, kDialogFace);
        }
    }
    return shown;
}

void writeFile(const QString &path, const std::vector<std::uint8_t> &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<qint64>(bytes.size()))
            != static_cast<qint64>(bytes.size()))
        throw std::runtime_error("cannot write " + path.toStdString());
}

void writePng(const QString &path, const QImage &image)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "PNG"))
        throw std::runtime_error("cannot write " + path.toStdString());
}

QString formatName(const ListPicture &picture)
{
    QString name = QStringLiteral("%1 bits").arg(bitsPerPixel(picture.format));
    if (!isIndexed(picture.format) && picture.tableSize > 0)
        name += QStringLiteral(",\n%1-colour table").arg(picture.tableSize);
    return name;
}

// How the sheet shows a list's entries besides as stored: cards scaled to the square as the card
// shows them, glyph strips enlarged and on a dialog's ground.
enum class SheetView { Cards, Glyphs };

void writeList(
    const QString &path, const std::vector<ListPicture> &pictures, ContactSheet &sheet, SheetView view)
{
    const EncodedList list = encodeList(pictures);
    writeFile(path, list.stream);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const QImage &shown = list.shown[i];
        const QString caption = QStringLiteral("%1 %2\n%3 x %4, %5")
                                    .arg(i)
                                    .arg(pictures[i].name)
                                    .arg(shown.width())
                                    .arg(shown.height())
                                    .arg(formatName(pictures[i]));
        sheet.addTile(shown, caption);
        if (view == SheetView::Cards) {
            sheet.addTile(shown.scaled(kCardSide, kCardSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                QStringLiteral("%1 on the card").arg(pictures[i].name));
        } else if (shown.size() == kGlyphStripSize) {
            sheet.addTile(magnified(shown, 4), QStringLiteral("4 x"));
            sheet.addTile(onDialogFace(shown), QStringLiteral("on a dialog"));
            sheet.addTile(magnified(onDialogFace(shown), 4), QStringLiteral("on a dialog, 4 x"));
        }
    }
}

enum class IconFiles { IconAndPng, PngOnly };

void writeIcon(const QString &folder, const QString &name, const SixteenColorPicture &icon,
    ContactSheet &sheet, IconFiles files)
{
    if (files == IconFiles::IconAndPng) {
        const auto bytes = encodeIconFile(icon.icon, IconFileKind::Icon);
        writeFile(folder + QStringLiteral("/%1.ico").arg(name), bytes);
        const QImage decoded = QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "ICO");
        sheet.addTile(magnified(decoded, 4), QStringLiteral("%1.ico, 4 x").arg(name));
    }
    writePng(folder + QStringLiteral("/%1.png").arg(name), icon.image);
    sheet.addTile(icon.image, QStringLiteral("%1.png").arg(name));
    sheet.addTile(magnified(icon.image, 4), QStringLiteral("%1.png, 4 x").arg(name));
}

// The fine companions are kept compact: 256 colours of their own, the white ground exact.
void writeReducedPng(const QString &path, const QImage &picture)
{
    const std::array pinned {qRgb(255, 255, 255)};
    const IndexedPicture indexed = quantise(picture, 256, pinned);
    QImage reduced(indexed.width, indexed.height, QImage::Format_Indexed8);
    reduced.setColorTable(QList<QRgb>(indexed.palette.begin(), indexed.palette.end()));
    for (int y = 0; y < indexed.height; ++y) {
        for (int x = 0; x < indexed.width; ++x)
            reduced.setPixel(x, y, indexed.index(x, y));
    }
    writePng(path, reduced);
}

// The scale of the companions: three times the pictures they go with, enough for the device
// ratios screens have; a finer ratio than that scales them up, which is still finer than
// scaling up the picture itself.
constexpr int kFineScale = 3;

void writeFinePictures(const QString &resourceFolder, const QString &drawingFolder)
{
    const QString fine = resourceFolder + QStringLiteral("/fine");
    const std::vector<QImage> cards = mainWindowFinePictures(drawingFolder);
    for (std::size_t index = 0; index < cards.size(); ++index)
        writeReducedPng(fine + QStringLiteral("/memo/%1.png").arg(index), cards[index]);
    const QImage check = drawRadioStrip(GlyphMark::Check, kFineScale);
    const QImage cross = drawRadioStrip(GlyphMark::Cross, kFineScale);
    writePng(fine + QStringLiteral("/escolhe/8.png"), check);
    writePng(fine + QStringLiteral("/escolhe/9.png"), cross);
    writePng(fine + QStringLiteral("/opcoes/0.png"), check);
    writePng(fine + QStringLiteral("/opcoes/1.png"), cross);
    const EmojiPainter fineEmoji
        = [&drawingFolder](const QString &emoji) { return renderEmojiDrawing(drawingFolder, emoji, 512); };
    writeReducedPng(fine + QStringLiteral("/about.png"), drawAboutPicture(kFineScale, fineEmoji));

    // Beside each cursor file: the same cursor three times finer, its hot spot scaled alike.
    for (const auto &cursors : {handCursors(kFineScale), libraryCursors(kFineScale)}) {
        for (const NumberedCursor &cursor : cursors) {
            const auto bytes = encodeIconFile(cursor.picture, IconFileKind::Cursor);
            // Three colours, kept exactly in a palette of their own.
            const QImage picture = QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "CUR")
                                       .convertToFormat(QImage::Format_Indexed8,
                                           {qRgba(0, 0, 0, 0), qRgb(0, 0, 0), qRgb(255, 255, 255)});
            writePng(
                resourceFolder + QStringLiteral("/cursors/%1@%2x.png").arg(cursor.number).arg(kFineScale),
                picture);
        }
    }

    const QString icons = resourceFolder + QStringLiteral("/icons");
    const std::array<std::pair<FinerIcon, QString>, 3> named {{{FinerIcon::Main, QStringLiteral("main")},
        {FinerIcon::Help, QStringLiteral("help")}, {FinerIcon::HelpItem, QStringLiteral("help-item")}}};
    for (const auto &[icon, name] : named) {
        const int side = icon == FinerIcon::Main ? 32 : 16;
        for (const int scale : {2, 3})
            writePng(
                icons + QStringLiteral("/%1@%2x.png").arg(name).arg(scale), finerIcon(icon, side * scale));
    }
}

void writeCursors(const QString &folder, const std::vector<NumberedCursor> &cursors, ContactSheet &sheet)
{
    for (const NumberedCursor &cursor : cursors) {
        const auto bytes = encodeIconFile(cursor.picture, IconFileKind::Cursor);
        writeFile(folder + QStringLiteral("/%1.cur").arg(cursor.number), bytes);
        const QImage decoded = QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "CUR");
        if (decoded.isNull())
            throw std::runtime_error("the cursor file does not read back");
        sheet.addTile(magnified(decoded, 3, cursor.picture.hotSpot),
            QStringLiteral("%1 %2\nhot spot %3, %4")
                .arg(cursor.number)
                .arg(cursor.name)
                .arg(cursor.picture.hotSpot.x())
                .arg(cursor.picture.hotSpot.y()));
    }
}

} // namespace

void generateResources(
    const QString &resourceFolder, const QString &contactSheetPath, const QString &drawingFolder)
{
    ContactSheet sheet(1400);
    sheet.addHeading(QStringLiteral("memo.mbml: the card back and the twenty faces"));
    writeList(resourceFolder + QStringLiteral("/memo.mbml"), mainWindowList(), sheet, SheetView::Cards);
    sheet.addHeading(QStringLiteral("escolhe.mbml: the game-type dialog"));
    writeList(
        resourceFolder + QStringLiteral("/escolhe.mbml"), gameTypeDialogList(), sheet, SheetView::Glyphs);
    sheet.addHeading(QStringLiteral("opcoes.mbml: the options dialog"));
    writeList(resourceFolder + QStringLiteral("/opcoes.mbml"), optionsDialogList(), sheet, SheetView::Glyphs);

    sheet.addHeading(QStringLiteral("about.bmp"));
    const QImage about = drawAboutPicture(1, renderEmoji);
    const auto aboutBytes = encodeBmp(directDib(about, PixelFormat::Bits24));
    writeFile(resourceFolder + QStringLiteral("/about.bmp"), aboutBytes);
    sheet.addTile(QImage::fromData(aboutBytes.data(), static_cast<int>(aboutBytes.size()), "BMP"),
        QStringLiteral("234 x 60, 24 bits"));

    sheet.addHeading(
        QStringLiteral("icons/: window icons and the help item picture, 16 colours; the large main icon"));
    const QString icons = resourceFolder + QStringLiteral("/icons");
    writeIcon(icons, QStringLiteral("main"), mainIcon(), sheet, IconFiles::IconAndPng);
    const QImage largeMain = largeMainIcon();
    writePng(icons + QStringLiteral("/main-256.png"), largeMain);
    sheet.addTile(largeMain, QStringLiteral("main-256.png, full colour"));
    writeIcon(icons, QStringLiteral("help"), helpIcon(), sheet, IconFiles::IconAndPng);
    writeIcon(icons, QStringLiteral("help-item"), helpItemPicture(), sheet, IconFiles::PngOnly);

    sheet.addHeading(QStringLiteral("cursors/: the hand cursors (hot spot in red)"));
    writeCursors(resourceFolder + QStringLiteral("/cursors"), handCursors(1), sheet);
    sheet.addHeading(QStringLiteral("cursors/: the library cursors"));
    writeCursors(resourceFolder + QStringLiteral("/cursors"), libraryCursors(1), sheet);

    writePng(contactSheetPath, sheet.render());
    writeFinePictures(resourceFolder, drawingFolder);
}

} // namespace brivmemo::tools
