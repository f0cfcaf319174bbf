// SPDX-License-Identifier: MIT
#include "BmpCodec.h"

#include "core/ByteReader.h"
#include "core/ByteWriter.h"
#include "core/Exceptions.h"

#include <algorithm>
#include <cstring>

namespace brivmemo {

namespace {

constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kMasksSize = 12;
constexpr std::uint32_t kCompressionBitFields = 3;

std::optional<PixelFormat> formatFromBitCount(std::uint32_t bitCount)
{
    switch (bitCount) {
    case 1:
        return PixelFormat::Bits1;
    case 4:
        return PixelFormat::Bits4;
    case 8:
        return PixelFormat::Bits8;
    case 16:
        return PixelFormat::Bits16;
    case 24:
        return PixelFormat::Bits24;
    case 32:
        return PixelFormat::Bits32;
    default:
        return std::nullopt;
    }
}

bool hasMasks(PixelFormat format)
{
    return format == PixelFormat::Bits16 || format == PixelFormat::Bits32;
}

// The fields of either information header that the decoder uses.
struct InfoHeader {
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t planes = 0;
    std::uint32_t bitCount = 0;
    std::uint32_t compression = kBmpCompressionNone;
    std::uint32_t sizeImage = 0;
    std::uint32_t colorsUsed = 0;
    std::size_t colorEntrySize = 4;
    std::optional<ColorMasks> masks;
};

ColorMasks readMasks(ByteReader &reader)
{
    ColorMasks masks;
    masks.red = reader.readU32LE();
    masks.green = reader.readU32LE();
    masks.blue = reader.readU32LE();
    return masks;
}

InfoHeader readInfoHeader(ByteReader &reader)
{
    InfoHeader header;
    const std::uint32_t headerSize = reader.readU32LE();
    if (headerSize == kCoreHeaderSize) {
        header.width = reader.readU16LE();
        header.height = reader.readU16LE();
        header.planes = reader.readU16LE();
        header.bitCount = reader.readU16LE();
        header.colorEntrySize = 3;
        return header;
    }
    if (headerSize < kBmpInfoHeaderSize)
        throw EInvalidGraphic();
    header.width = reader.readI32LE();
    header.height = reader.readI32LE();
    header.planes = reader.readU16LE();
    header.bitCount = reader.readU16LE();
    header.compression = reader.readU32LE();
    header.sizeImage = reader.readU32LE();
    reader.skip(8);
    header.colorsUsed = reader.readU32LE();
    reader.skip(4);
    // Longer headers carry the masks in their own first bytes past the common part.
    std::size_t extra = headerSize - kBmpInfoHeaderSize;
    if (header.compression == kCompressionBitFields && extra >= kMasksSize) {
        header.masks = readMasks(reader);
        extra -= kMasksSize;
    }
    reader.skip(extra);
    return header;
}

void validate(const InfoHeader &header, PixelFormat format)
{
    if (header.planes != 1)
        throw EInvalidGraphic();
    const bool bitFields = header.compression == kCompressionBitFields && hasMasks(format);
    if (header.compression != kBmpCompressionNone && !bitFields)
        throw EInvalidGraphic();
    const std::int64_t height = header.height < 0 ? -header.height : header.height;
    if (!fitsPictureLimits(header.width, height, format))
        throw EInvalidGraphic();
}

std::vector<TColor> readColorTable(ByteReader &reader, const InfoHeader &header, PixelFormat format)
{
    std::uint64_t count = header.colorsUsed;
    if (count == 0 && isIndexed(format))
        count = std::uint64_t {1} << bitsPerPixel(format);
    if (count * header.colorEntrySize > reader.remaining())
        throw EInvalidGraphic();
    std::vector<TColor> palette(count);
    for (auto &entry : palette) {
        const auto bytes = reader.readBytes(header.colorEntrySize);
        entry = rgbColor(bytes[2], bytes[1], bytes[0]);
    }
    return palette;
}

void readRows(ByteReader &reader, const InfoHeader &header, DibPixels &pixels)
{
    const std::size_t stride = pixels.stride();
    const std::size_t needed = stride * static_cast<std::size_t>(pixels.height);
    std::size_t available = header.sizeImage == 0 ? needed : header.sizeImage;
    available = std::min({available, needed, reader.remaining()});
    pixels.bits.assign(needed, 0);
    const auto source = reader.readBytes(available);
    const bool topDown = header.height < 0;
    for (std::size_t fileRow = 0; fileRow * stride < available; ++fileRow) {
        const std::size_t row = topDown ? fileRow : static_cast<std::size_t>(pixels.height) - 1 - fileRow;
        const std::size_t count = std::min(stride, available - fileRow * stride);
        std::memcpy(pixels.bits.data() + row * stride, source.data() + fileRow * stride, count);
    }
}

InfoHeader readHeaders(ByteReader &reader)
{
    if (reader.readU8() != 'B' || reader.readU8() != 'M')
        throw EInvalidGraphic();
    reader.skip(kBmpFileHeaderSize - 2);
    return readInfoHeader(reader);
}

} // namespace

int bitsPerPixel(PixelFormat format)
{
    switch (format) {
    case PixelFormat::Bits1:
        return 1;
    case PixelFormat::Bits4:
        return 4;
    case PixelFormat::Bits8:
        return 8;
    case PixelFormat::Bits16:
        return 16;
    case PixelFormat::Bits24:
        return 24;
    case PixelFormat::Bits32:
        return 32;
    }
    return 0;
}

bool isIndexed(PixelFormat format)
{
    return bitsPerPixel(format) <= 8;
}

ColorMasks defaultMasks(PixelFormat format)
{
    switch (format) {
    case PixelFormat::Bits16:
        return kMasks555;
    case PixelFormat::Bits32:
        return kMasks888;
    default:
        return {};
    }
}

std::size_t dibStride(int width, PixelFormat format)
{
    const std::size_t rowBits = static_cast<std::size_t>(std::max(width, 0)) * bitsPerPixel(format);
    return (rowBits + 31) / 32 * 4;
}

bool fitsPictureLimits(std::int64_t width, std::int64_t height, PixelFormat format)
{
    if (width < 0 || height < 0 || width > kMaxBitmapDimension || height > kMaxBitmapDimension)
        return false;
    return dibStride(static_cast<int>(width), format) * static_cast<std::size_t>(height) <= kMaxPixelBytes;
}

std::size_t DibPixels::stride() const
{
    return dibStride(width, format);
}

std::optional<BmpSize> peekBmpSize(std::span<const std::uint8_t> image)
{
    try {
        ByteReader reader(image);
        const InfoHeader header = readHeaders(reader);
        return BmpSize {header.width, header.height < 0 ? -header.height : header.height};
    } catch (const Exception &) {
        return std::nullopt;
    }
}

DibPixels decodeBmp(std::span<const std::uint8_t> image)
{
    if (image.empty())
        return {};
    try {
        ByteReader reader(image);
        InfoHeader header = readHeaders(reader);
        const auto format = formatFromBitCount(header.bitCount);
        if (!format)
            throw EInvalidGraphic();
        validate(header, *format);

        DibPixels pixels;
        pixels.format = *format;
        pixels.width = static_cast<int>(header.width);
        pixels.height = static_cast<int>(header.height < 0 ? -header.height : header.height);
        if (header.compression == kCompressionBitFields && !header.masks)
            header.masks = readMasks(reader);
        pixels.masks = header.masks.value_or(defaultMasks(*format));
        pixels.palette = readColorTable(reader, header, *format);
        readRows(reader, header, pixels);
        return pixels;
    } catch (const EReadError &) {
        throw EInvalidGraphic();
    }
}

std::vector<std::uint8_t> encodeBmp(const DibPixels &pixels, const BmpWriteOptions &options)
{
    std::vector<std::uint8_t> out;
    if (pixels.width <= 0 || pixels.height <= 0)
        return out;

    // An indexed picture needs a full table when it has none: a zero count means "all of them".
    const bool fullBlackTable = isIndexed(pixels.format) && pixels.palette.empty();
    const std::size_t tableEntries
        = fullBlackTable ? std::size_t {1} << bitsPerPixel(pixels.format) : pixels.palette.size();
    const bool bitFields = hasMasks(pixels.format);
    const std::size_t stride = pixels.stride();
    const std::size_t imageSize = stride * static_cast<std::size_t>(pixels.height);
    const std::size_t pixelOffset
        = kBmpFileHeaderSize + kBmpInfoHeaderSize + (bitFields ? kMasksSize : 0) + 4 * tableEntries;
    out.reserve(pixelOffset + imageSize);

    ByteWriter writer(out);
    writer.writeU8('B');
    writer.writeU8('M');
    writer.writeU32LE(options.fileSizeField.value_or(static_cast<std::uint32_t>(pixelOffset + imageSize)));
    writer.writeU32LE(0);
    writer.writeU32LE(options.pixelOffsetField.value_or(static_cast<std::uint32_t>(pixelOffset)));

    writer.writeU32LE(kBmpInfoHeaderSize);
    writer.writeI32LE(pixels.width);
    writer.writeI32LE(pixels.height);
    writer.writeU16LE(1);
    writer.writeU16LE(static_cast<std::uint16_t>(bitsPerPixel(pixels.format)));
    writer.writeU32LE(bitFields ? kCompressionBitFields : kBmpCompressionNone);
    writer.writeU32LE(options.sizeImage == SizeImageField::Zero ? 0 : static_cast<std::uint32_t>(imageSize));
    writer.writeI32LE(options.xPelsPerMeter);
    writer.writeI32LE(options.yPelsPerMeter);
    writer.writeU32LE(fullBlackTable ? 0 : static_cast<std::uint32_t>(tableEntries));
    writer.writeU32LE(options.importantColors);
    if (bitFields) {
        writer.writeU32LE(pixels.masks.red);
        writer.writeU32LE(pixels.masks.green);
        writer.writeU32LE(pixels.masks.blue);
    }
    for (std::size_t i = 0; i < tableEntries; ++i) {
        const TColor color = fullBlackTable ? clBlack : pixels.palette[i];
        writer.writeU8(blueOf(color));
        writer.writeU8(greenOf(color));
        writer.writeU8(redOf(color));
        writer.writeU8(0);
    }
    // Rows that the pixel buffer does not hold are written as zeros.
    const std::size_t headerEnd = out.size();
    out.resize(headerEnd + imageSize, 0);
    for (std::size_t fileRow = 0; fileRow < static_cast<std::size_t>(pixels.height); ++fileRow) {
        const std::size_t start = (static_cast<std::size_t>(pixels.height) - 1 - fileRow) * stride;
        if (start >= pixels.bits.size())
            continue;
        const std::size_t count = std::min(stride, pixels.bits.size() - start);
        std::memcpy(out.data() + headerEnd + fileRow * stride, pixels.bits.data() + start, count);
    }
    return out;
}

} // namespace brivmemo
