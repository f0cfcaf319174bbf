// SPDX-License-Identifier: MIT
#include "CursorFile.h"

#include "ByteReader.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

namespace brivmemo {

namespace {

constexpr std::uint16_t kCursorResourceType = 2;

} // namespace

std::optional<QPoint> cursorFileHotSpot(std::span<const std::uint8_t> bytes)
{
    constexpr std::size_t kDirectoryHeader = 6;
    constexpr std::size_t kEntry = 16;
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
    const int x = reader.readU16LE();
    const int y = reader.readU16LE();
    return QPoint(x, y);
}

std::optional<QCursor> loadCursorFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    const std::optional<QPoint> hotSpot = cursorFileHotSpot(std::span(
        reinterpret_cast<const std::uint8_t *>(bytes.constData()), static_cast<std::size_t>(bytes.size())));
    if (!hotSpot)
        return std::nullopt;
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "cur");
    const QImage picture = reader.read();
    if (picture.isNull() || !picture.rect().contains(*hotSpot))
        return std::nullopt;
    return QCursor(QPixmap::fromImage(picture), hotSpot->x(), hotSpot->y());
}

} // namespace brivmemo
