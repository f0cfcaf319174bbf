// SPDX-License-Identifier: MIT
#include "Bitmap.h"

#include "DisplayForm.h"
#include "core/Exceptions.h"
#include "core/LittleEndian.h"
#include "core/Stream.h"

#include <bit>
#include <limits>

namespace brivmemo {

namespace {

std::uint32_t bitsFromChannel(std::uint32_t intensity, std::uint32_t mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const auto width = static_cast<int>(std::bit_width(mask >> shift));
    const std::uint64_t largest = (std::uint64_t {1} << width) - 1;
    const auto field = width <= 8 ? intensity >> (8 - width) : intensity * largest / 255;
    return static_cast<std::uint32_t>(field << shift) & mask;
}

std::uint32_t nearestPaletteIndex(const std::vector<TColor> &palette, TColor color)
{
    std::uint32_t best = 0;
    auto bestDistance = std::numeric_limits<std::uint32_t>::max();
    for (std::size_t i = 0; i < palette.size() && bestDistance > 0; ++i) {
        const auto dr = static_cast<int>(redOf(palette[i])) - static_cast<int>(redOf(color));
        const auto dg = static_cast<int>(greenOf(palette[i])) - static_cast<int>(greenOf(color));
        const auto db = static_cast<int>(blueOf(palette[i])) - static_cast<int>(blueOf(color));
        const auto distance = static_cast<std::uint32_t>(dr * dr + dg * dg + db * db);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<std::uint32_t>(i);
        }
    }
    return best;
}

} // namespace

TBitmap::TBitmap(DibPixels pixels)
{
    setPixels(std::move(pixels));
}

void TBitmap::create(PixelFormat format, int width, int height)
{
    if (!fitsPictureLimits(width, height, format))
        throw EInvalidGraphic();
    pixels_.format = format;
    pixels_.width = width;
    pixels_.height = height;
    pixels_.masks = defaultMasks(format);
    pixels_.bits.assign(pixels_.stride() * static_cast<std::size_t>(height), 0);
    changed();
}

void TBitmap::setPixels(DibPixels pixels)
{
    if (!fitsPictureLimits(pixels.width, pixels.height, pixels.format))
        throw EInvalidGraphic();
    pixels.bits.resize(pixels.stride() * static_cast<std::size_t>(pixels.height), 0);
    pixels_ = std::move(pixels);
    changed();
}

void TBitmap::setPalette(std::vector<TColor> palette)
{
    pixels_.palette = std::move(palette);
    changed();
}

void TBitmap::setMasks(ColorMasks masks)
{
    pixels_.masks = masks;
    changed();
}

bool TBitmap::contains(int x, int y) const
{
    return x >= 0 && y >= 0 && x < pixels_.width && y < pixels_.height;
}

std::size_t TBitmap::pixelOffset(int x, int y) const
{
    const std::size_t bitOffset = static_cast<std::size_t>(x) * bitsPerPixel(pixels_.format);
    return static_cast<std::size_t>(y) * pixels_.stride() + bitOffset / 8;
}

const std::uint8_t *TBitmap::pixelAddress(int x, int y) const
{
    return pixels_.bits.data() + pixelOffset(x, y);
}

std::uint8_t *TBitmap::pixelAddress(int x, int y)
{
    return pixels_.bits.data() + pixelOffset(x, y);
}

std::uint32_t TBitmap::pixelValue(int x, int y) const
{
    if (!contains(x, y))
        return 0;
    const std::uint8_t *p = pixelAddress(x, y);
    switch (pixels_.format) {
    case PixelFormat::Bits1:
        return (*p >> (7 - x % 8)) & 1;
    case PixelFormat::Bits4:
        return x % 2 == 0 ? *p >> 4 : *p & 0x0F;
    case PixelFormat::Bits8:
        return *p;
    case PixelFormat::Bits16:
        return loadU16LE(p);
    case PixelFormat::Bits24:
        return loadU24LE(p);
    case PixelFormat::Bits32:
        return loadU32LE(p);
    }
    return 0;
}

void TBitmap::setPixelValue(int x, int y, std::uint32_t value)
{
    if (!contains(x, y))
        return;
    std::uint8_t *p = pixelAddress(x, y);
    switch (pixels_.format) {
    case PixelFormat::Bits1: {
        const auto bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
        *p = static_cast<std::uint8_t>((value & 1U) != 0 ? (*p | bit) : (*p & ~bit));
        break;
    }
    case PixelFormat::Bits4:
        *p = x % 2 == 0 ? static_cast<std::uint8_t>((*p & 0x0F) | ((value & 0x0F) << 4))
                        : static_cast<std::uint8_t>((*p & 0xF0) | (value & 0x0F));
        break;
    case PixelFormat::Bits8:
        p[0] = static_cast<std::uint8_t>(value);
        break;
    case PixelFormat::Bits16:
        storeU16LE(p, static_cast<std::uint16_t>(value));
        break;
    case PixelFormat::Bits24:
        storeU24LE(p, value);
        break;
    case PixelFormat::Bits32:
        storeU32LE(p, value);
        break;
    }
    changed();
}

TColor TBitmap::pixel(int x, int y) const
{
    if (!contains(x, y))
        return kNoPixel;
    const std::uint32_t value = pixelValue(x, y);
    switch (pixels_.format) {
    case PixelFormat::Bits16:
    case PixelFormat::Bits32:
        return rgbColor(channelFromBits(value, pixels_.masks.red),
            channelFromBits(value, pixels_.masks.green), channelFromBits(value, pixels_.masks.blue));
    case PixelFormat::Bits24:
        return rgbColor(static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value));
    default:
        return value < pixels_.palette.size() ? pixels_.palette[value] : clBlack;
    }
}

void TBitmap::setPixel(int x, int y, TColor color)
{
    switch (pixels_.format) {
    case PixelFormat::Bits16:
    case PixelFormat::Bits32:
        setPixelValue(x, y,
            bitsFromChannel(redOf(color), pixels_.masks.red)
                | bitsFromChannel(greenOf(color), pixels_.masks.green)
                | bitsFromChannel(blueOf(color), pixels_.masks.blue));
        break;
    case PixelFormat::Bits24:
        setPixelValue(x, y, (redOf(color) << 16) | (greenOf(color) << 8) | blueOf(color));
        break;
    default:
        setPixelValue(x, y, nearestPaletteIndex(pixels_.palette, color));
        break;
    }
}

void TBitmap::Assign(const TPersistent *source)
{
    const auto *bitmap = dynamic_cast<const TBitmap *>(source);
    if (bitmap == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    if (bitmap == this)
        return;
    pixels_ = bitmap->pixels_;
    changed();
}

void TBitmap::loadFromBytes(std::span<const std::uint8_t> image)
{
    pixels_ = decodeBmp(image);
    changed();
}

void TBitmap::loadFromStream(TStream &stream)
{
    std::vector<std::uint8_t> image(stream.remaining());
    stream.readBuffer(image.data(), image.size());
    loadFromBytes(image);
}

std::vector<std::uint8_t> TBitmap::toBytes(const BmpWriteOptions &options) const
{
    return encodeBmp(pixels_, options);
}

void TBitmap::saveToStream(TStream &stream, const BmpWriteOptions &options) const
{
    const auto image = toBytes(options);
    stream.write(image.data(), image.size());
}

const QImage &TBitmap::displayImage() const
{
    if (display_.isNull() && !isEmpty())
        display_ = displayForm(pixels_);
    return display_;
}

void TBitmap::setFinerPicture(const QString &path)
{
    finerPath_ = path;
    finer_ = QImage();
}

const QImage &TBitmap::finerImage() const
{
    if (finer_.isNull() && !finerPath_.isEmpty())
        finer_ = QImage(finerPath_).convertToFormat(QImage::Format_RGB32);
    return finer_;
}

void TBitmap::changed()
{
    display_ = QImage();
    finerPath_.clear();
    finer_ = QImage();
    // A copy, so that the handler may replace OnChange while it runs.
    const TNotifyEvent handler = OnChange;
    if (handler)
        handler(this);
}

} // namespace brivmemo
