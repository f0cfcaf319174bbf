// SPDX-License-Identifier: MIT
#include "CursorFile.h"

#include "BmpCodec.h"
#include "ByteReader.h"
#include "DevicePixels.h"
#include "DisplayForm.h"
#include "Exceptions.h"

#include <QFile>
#include <QGuiApplication>
#include <QPixmap>

namespace brivmemo {

namespace {

constexpr std::uint16_t kCursorResourceType = 2;
constexpr std::size_t kDirectoryHeader = 6;
constexpr std::size_t kEntry = 16;
constexpr std::size_t kHeightField = 8;

struct CursorEntry {
    QPoint hotSpot;
    std::uint32_t size = 0;
    std::uint32_t offset = 0;
};

std::optional<CursorEntry> firstEntry(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < kDirectoryHeader + kEntry)
        return std::nullopt;
    ByteReader reader(bytes);
    const std::uint16_t reserved = reader.readU16LE();
    const std::uint16_t type = reader.readU16LE();
    const std::uint16_t count = reader.readU16LE();
    if (reserved != 0 || type != kCursorResourceType || count == 0)
        return std::nullopt;
    // Width, height, colour count and a reserved byte come before the hot spot.
    reader.skip(4);
    CursorEntry entry;
    const int x = reader.readU16LE();
    const int y = reader.readU16LE();
    entry.hotSpot = QPoint(x, y);
    entry.size = reader.readU32LE();
    entry.offset = reader.readU32LE();
    return entry;
}

// The colour picture of a cursor's DIB, whose height counts the colour rows and the mask rows
// below them, read as the BMP file image it would be without the mask.
DibPixels colourPicture(std::span<const std::uint8_t> dib, int height)
{
    std::vector<std::uint8_t> image(kBmpFileHeaderSize, 0);
    image[0] = 'B';
    image[1] = 'M';
    image.insert(image.end(), dib.begin(), dib.end());
    const auto field = static_cast<std::uint32_t>(height);
    for (std::size_t i = 0; i < 4; ++i)
        image[kBmpFileHeaderSize + kHeightField + i] = static_cast<std::uint8_t>(field >> (8 * i));
    return decodeBmp(image);
}

// Colour where the mask bit is clear, see-through where it is set: screen pixels the cursor
// would invert are left as they are.
QImage applyMask(const QImage &colours, std::span<const std::uint8_t> mask)
{
    const int width = colours.width();
    const int height = colours.height();
    const std::size_t stride = dibStride(width, PixelFormat::Bits1);
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        // Mask rows run from the bottom up, as the colour rows do in the file.
        const std::uint8_t *maskRow = mask.data() + static_cast<std::size_t>(height - 1 - y) * stride;
        const auto *source = reinterpret_cast<const QRgb *>(colours.constScanLine(y));
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const bool seeThrough = ((maskRow[x / 8] >> (7 - x % 8)) & 1) != 0;
            line[x] = seeThrough ? 0 : source[x] | 0xFF000000U;
        }
    }
    return picture;
}

QImage decodePicture(std::span<const std::uint8_t> dib)
{
    ByteReader reader(dib);
    const std::uint32_t headerSize = reader.readU32LE();
    reader.skip(4);
    const std::int32_t doubleHeight = reader.readI32LE();
    reader.skip(2);
    const std::uint16_t bitCount = reader.readU16LE();
    const std::uint32_t compression = reader.readU32LE();
    // A 32-bit picture carries its own alpha, which the BMP reader does not keep.
    if (headerSize < kBmpInfoHeaderSize || compression != kBmpCompressionNone || bitCount == 32
        || doubleHeight < 2)
        return {};
    const DibPixels colours = colourPicture(dib, doubleHeight / 2);
    if (colours.width == 0)
        return {};
    const std::size_t maskOffset = headerSize + colours.palette.size() * 4 + colours.bits.size();
    const std::size_t maskSize
        = dibStride(colours.width, PixelFormat::Bits1) * static_cast<std::size_t>(colours.height);
    if (maskOffset > dib.size() || dib.size() - maskOffset < maskSize)
        return {};
    return applyMask(displayForm(colours), dib.subspan(maskOffset, maskSize));
}

} // namespace

std::optional<QPoint> cursorFileHotSpot(std::span<const std::uint8_t> bytes)
{
    const std::optional<CursorEntry> entry = firstEntry(bytes);
    if (!entry)
        return std::nullopt;
    return entry->hotSpot;
}

QImage cursorFilePicture(std::span<const std::uint8_t> bytes)
{
    const std::optional<CursorEntry> entry = firstEntry(bytes);
    if (!entry || entry->offset > bytes.size() || bytes.size() - entry->offset < entry->size)
        return {};
    try {
        return decodePicture(bytes.subspan(entry->offset, entry->size));
    } catch (const Exception &) {
        return {};
    }
}

std::optional<QCursor> loadCursorFile(const QString &path, const QString &finerPath, qreal ratio)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    const std::span<const std::uint8_t> contents(
        reinterpret_cast<const std::uint8_t *>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
    const std::optional<QPoint> hotSpot = cursorFileHotSpot(contents);
    const QImage picture = cursorFilePicture(contents);
    if (!hotSpot || picture.isNull() || !picture.rect().contains(*hotSpot))
        return std::nullopt;
    const QImage finer = ratio > 1 && !finerPath.isEmpty() ? QImage(finerPath) : QImage();
    if (finer.isNull())
        return QCursor(QPixmap::fromImage(picture), hotSpot->x(), hotSpot->y());
    // Nearest pixels: the cursor is two colours, and blending would blur its outline.
    QPixmap shown = QPixmap::fromImage(finer.scaled(deviceSize(picture.size(), ratio)));
    shown.setDevicePixelRatio(ratio);
    // Qt's X11 platform hands the hot spot to the X server as it is, which reads it in the
    // picture's own pixels; the other platforms take it in logical pixels, as QCursor says.
    const QPoint spot = QGuiApplication::platformName() == QLatin1String("xcb")
        ? QPoint(qRound(hotSpot->x() * ratio), qRound(hotSpot->y() * ratio))
        : *hotSpot;
    return QCursor(shown, spot.x(), spot.y());
}

} // namespace brivmemo
