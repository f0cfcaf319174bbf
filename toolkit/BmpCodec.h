// SPDX-License-Identifier: MIT
// Reading and writing BMP file images. The decoder is plain C++ and trusts nothing in the bytes:
// every length is checked against what is really there before anything is allocated or read.
#pragma once

#include "Colors.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace brivmemo {

// The parts of a BMP file image that other readers of BMP-based files share.
inline constexpr std::uint32_t kBmpFileHeaderSize = 14;
inline constexpr std::uint32_t kBmpInfoHeaderSize = 40;
inline constexpr std::uint32_t kBmpCompressionNone = 0;

enum class PixelFormat { Bits1, Bits4, Bits8, Bits16, Bits24, Bits32 };

int bitsPerPixel(PixelFormat format);
bool isIndexed(PixelFormat format);

// Where the red, green and blue bits of a 16-bit or 32-bit pixel lie.
struct ColorMasks {
    std::uint32_t red = 0;
    std::uint32_t green = 0;
    std::uint32_t blue = 0;

    bool operator==(const ColorMasks &) const = default;
};

inline constexpr ColorMasks kMasks555 {0x7C00, 0x03E0, 0x001F};
inline constexpr ColorMasks kMasks565 {0xF800, 0x07E0, 0x001F};
inline constexpr ColorMasks kMasks888 {0x00FF0000, 0x0000FF00, 0x000000FF};

// The masks a 16-bit or 32-bit picture has when its file gives none; zero masks otherwise.
ColorMasks defaultMasks(PixelFormat format);

// The pixels of one picture in the BMP file's own form: rows from top to bottom, each row
// padded to a multiple of 4 bytes. Palette entries are colours 0x00BBGGRR.
struct DibPixels {
    int width = 0;
    int height = 0;
    PixelFormat format = PixelFormat::Bits24;
    ColorMasks masks;
    std::vector<TColor> palette;
    std::vector<std::uint8_t> bits;

    std::size_t stride() const;
    bool operator==(const DibPixels &) const = default;
};

// Row length in bytes of a picture of the given width and format, padded to 4 bytes.
std::size_t dibStride(int width, PixelFormat format);

inline constexpr int kMaxBitmapDimension = 16384;
// The pixel rows of one picture hold at most 16384 x 16384 bits (32 MiB), padding included.
inline constexpr std::size_t kMaxPixelBytes = std::size_t {kMaxBitmapDimension} * kMaxBitmapDimension / 8;

// True when a picture of this size and format stays within both limits above.
bool fitsPictureLimits(std::int64_t width, std::int64_t height, PixelFormat format);

// Decodes a BMP file image. Zero bytes give an empty picture. Raises EInvalidGraphic ("Bitmap
// image is not valid") for anything that is not a BMP image this decoder reads, or whose size,
// headers or colour table do not fit; pixel data that ends early is read as far as it goes.
DibPixels decodeBmp(std::span<const std::uint8_t> image);

struct BmpSize {
    std::int64_t width = 0;
    std::int64_t height = 0; // rows, whichever way they run
};

// The size a BMP file image declares in its headers, read without decoding any pixel, so that a
// caller with limits of its own can refuse a picture before it is decoded. Nothing when the
// bytes are not a BMP image's headers.
std::optional<BmpSize> peekBmpSize(std::span<const std::uint8_t> image);

enum class SizeImageField { Computed, Zero };

// Header fields the encoder writes as asked, so that a file can be reproduced exactly. The file
// size and pixel offset are the true ones unless given; the decoder ignores both.
struct BmpWriteOptions {
    std::optional<std::uint32_t> fileSizeField;
    std::optional<std::uint32_t> pixelOffsetField;
    SizeImageField sizeImage = SizeImageField::Computed;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::uint32_t importantColors = 0;
};

// Encodes a picture as a BMP file image that decodeBmp reads back: a 40-byte information header,
// bit-field masks on 16-bit and 32-bit pictures, the whole palette as colour table (also on
// 16-bit and 24-bit pictures that carry one), rows bottom-up. An empty picture gives zero bytes.
std::vector<std::uint8_t> encodeBmp(const DibPixels &pixels, const BmpWriteOptions &options = {});

} // namespace brivmemo
