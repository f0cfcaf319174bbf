// SPDX-License-Identifier: MIT
#include "DisplayForm.h"

#include "core/LittleEndian.h"

#include <array>
#include <bit>

namespace brivmemo {

namespace {

QRgb toRgb(TColor color)
{
    return qRgb(redOf(color), greenOf(color), blueOf(color));
}

// One colour field of 16-bit and 32-bit pixels: fields of 8 bits or more are shifted, narrower
// ones looked up.
class ChannelDecoder {
public:
    explicit ChannelDecoder(std::uint32_t mask)
        : mask_(mask)
        , shift_(mask == 0 ? 0 : std::countr_zero(mask))
        , width_(mask == 0 ? 0 : static_cast<int>(std::bit_width(mask >> shift_)))
    {
        if (width_ > 0 && width_ < 8)
            for (std::uint32_t field = 0; field < (1U << width_); ++field)
                narrow_[field] = channelFromBits(field << shift_, mask);
    }

    std::uint8_t operator()(std::uint32_t value) const
    {
        const std::uint32_t field = (value & mask_) >> shift_;
        if (width_ >= 8)
            return static_cast<std::uint8_t>(field >> (width_ - 8));
        return narrow_[field];
    }

private:
    std::uint32_t mask_;
    int shift_;
    int width_;
    std::array<std::uint8_t, 128> narrow_ {};
};

void convertIndexed(const DibPixels &pixels, QImage &image)
{
    const int depth = bitsPerPixel(pixels.format);
    std::array<QRgb, 256> colours {};
    colours.fill(qRgb(0, 0, 0));
    for (std::size_t i = 0; i < pixels.palette.size() && i < (std::size_t {1} << depth); ++i)
        colours[i] = toRgb(pixels.palette[i]);
    const std::size_t stride = pixels.stride();
    const int perByte = 8 / depth;
    const unsigned valueMask = (1U << depth) - 1;
    for (int y = 0; y < pixels.height; ++y) {
        const std::uint8_t *row = pixels.bits.data() + static_cast<std::size_t>(y) * stride;
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < pixels.width; ++x) {
            // The leftmost pixel lies in the highest bits of its byte.
            const int shift = depth * (perByte - 1 - x % perByte);
            line[x] = colours[(row[x / perByte] >> shift) & valueMask];
        }
    }
}

void convertMasked(const DibPixels &pixels, QImage &image)
{
    const ChannelDecoder red(pixels.masks.red);
    const ChannelDecoder green(pixels.masks.green);
    const ChannelDecoder blue(pixels.masks.blue);
    const int bytesPerPixel = bitsPerPixel(pixels.format) / 8;
    const std::size_t stride = pixels.stride();
    for (int y = 0; y < pixels.height; ++y) {
        const std::uint8_t *p = pixels.bits.data() + static_cast<std::size_t>(y) * stride;
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < pixels.width; ++x, p += bytesPerPixel) {
            const std::uint32_t value = bytesPerPixel == 4 ? loadU32LE(p) : loadU16LE(p);
            line[x] = qRgb(red(value), green(value), blue(value));
        }
    }
}

void convert24(const DibPixels &pixels, QImage &image)
{
    const std::size_t stride = pixels.stride();
    for (int y = 0; y < pixels.height; ++y) {
        const std::uint8_t *p = pixels.bits.data() + static_cast<std::size_t>(y) * stride;
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < pixels.width; ++x, p += 3)
            line[x] = qRgb(p[2], p[1], p[0]);
    }
}

} // namespace

std::uint8_t channelFromBits(std::uint32_t value, std::uint32_t mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const int width = static_cast<int>(std::bit_width(mask >> shift));
    const std::uint32_t field = (value & mask) >> shift;
    if (width >= 8)
        return static_cast<std::uint8_t>(field >> (width - 8));
    std::uint32_t result = 0;
    int filled = 0;
    while (filled < 8) {
        result = (result << width) | field;
        filled += width;
    }
    return static_cast<std::uint8_t>(result >> (filled - 8));
}

QImage displayForm(const DibPixels &pixels)
{
    if (pixels.width == 0 || pixels.height == 0)
        return {};
    QImage image(pixels.width, pixels.height, QImage::Format_RGB32);
    switch (pixels.format) {
    case PixelFormat::Bits1:
    case PixelFormat::Bits4:
    case PixelFormat::Bits8:
        convertIndexed(pixels, image);
        break;
    case PixelFormat::Bits16:
    case PixelFormat::Bits32:
        convertMasked(pixels, image);
        break;
    case PixelFormat::Bits24:
        convert24(pixels, image);
        break;
    }
    return image;
}

} // namespace brivmemo
