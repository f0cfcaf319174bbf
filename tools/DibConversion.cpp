// SPDX-License-Identifier: MIT
#include "DibConversion.h"

#include "LittleEndian.h"

#include <stdexcept>

namespace brivmemo::tools {

namespace {

int to5Bits(int channel)
{
    return (channel * 31 + 127) / 255;
}

} // namespace

std::uint32_t toFileColor(QRgb rgb)
{
    return static_cast<std::uint32_t>(qBlue(rgb)) << 16 | static_cast<std::uint32_t>(qGreen(rgb)) << 8
        | static_cast<std::uint32_t>(qRed(rgb));
}

DibPixels indexedDib(const IndexedPicture &picture, PixelFormat format)
{
    if (!isIndexed(format))
        throw std::invalid_argument("indexedDib needs a palette format");
    const int bits = bitsPerPixel(format);
    const std::size_t entries = std::size_t {1} << bits;
    if (picture.palette.size() > entries)
        throw std::invalid_argument("the palette does not fit the format");

    DibPixels dib;
    dib.width = picture.width;
    dib.height = picture.height;
    dib.format = format;
    for (const QRgb rgb : picture.palette)
        dib.palette.push_back(toFileColor(rgb));
    dib.palette.resize(entries, 0);
    const std::size_t stride = dib.stride();
    dib.bits.assign(stride * static_cast<std::size_t>(dib.height), 0);
    const int perByte = 8 / bits;
    for (int y = 0; y < dib.height; ++y) {
        for (int x = 0; x < dib.width; ++x) {
            const int shift = 8 - bits * (x % perByte + 1);
            dib.bits[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x / perByte)]
                |= static_cast<std::uint8_t>(picture.index(x, y) << shift);
        }
    }
    return dib;
}

DibPixels directDib(const QImage &image, PixelFormat format)
{
    if (format != PixelFormat::Bits16 && format != PixelFormat::Bits24)
        throw std::invalid_argument("directDib makes 16-bit or 24-bit pictures");
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    DibPixels dib;
    dib.width = source.width();
    dib.height = source.height();
    dib.format = format;
    dib.masks = format == PixelFormat::Bits16 ? kMasks555 : ColorMasks {};
    const std::size_t stride = dib.stride();
    dib.bits.assign(stride * static_cast<std::size_t>(dib.height), 0);
    for (int y = 0; y < dib.height; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        std::uint8_t *row = dib.bits.data() + static_cast<std::size_t>(y) * stride;
        for (int x = 0; x < dib.width; ++x) {
            const QRgb rgb = line[x];
            const auto column = static_cast<std::size_t>(x);
            if (format == PixelFormat::Bits24) {
                row[3 * column] = static_cast<std::uint8_t>(qBlue(rgb));
                row[3 * column + 1] = static_cast<std::uint8_t>(qGreen(rgb));
                row[3 * column + 2] = static_cast<std::uint8_t>(qRed(rgb));
            } else {
                const int value = to5Bits(qRed(rgb)) << 10 | to5Bits(qGreen(rgb)) << 5 | to5Bits(qBlue(rgb));
                storeU16LE(row + 2 * column, static_cast<std::uint16_t>(value));
            }
        }
    }
    return dib;
}

DibPixels toDib(const QImage &image, PixelFormat format, int tableSize, std::span<const QRgb> pinned)
{
    if (isIndexed(format))
        return indexedDib(quantise(image, tableSize, pinned), format);
    DibPixels dib = directDib(image, format);
    if (tableSize > 0) {
        for (const QRgb rgb : quantise(image, tableSize, pinned).palette)
            dib.palette.push_back(toFileColor(rgb));
        dib.palette.resize(static_cast<std::size_t>(tableSize), 0);
    }
    return dib;
}

} // namespace brivmemo::tools
