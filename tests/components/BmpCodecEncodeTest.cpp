// SPDX-License-Identifier: MIT
#include "BmpCodec.h"

#include <gtest/gtest.h>

namespace brivmemo {
namespace {

std::uint32_t u32At(const std::vector<std::uint8_t> &bytes, std::size_t at)
{
    return bytes[at] | (std::uint32_t {bytes[at + 1]} << 8) | (std::uint32_t {bytes[at + 2]} << 16)
        | (std::uint32_t {bytes[at + 3]} << 24);
}

// A picture whose every byte differs from its neighbours, so a row or byte out of place shows.
DibPixels sample(PixelFormat format, int width, int height, std::size_t paletteSize)
{
    DibPixels pixels;
    pixels.format = format;
    pixels.width = width;
    pixels.height = height;
    pixels.masks = defaultMasks(format);
    for (std::size_t i = 0; i < paletteSize; ++i)
        pixels.palette.push_back(static_cast<std::uint32_t>((i * 0x3F1D5u) & 0xFFFFFF));
    pixels.bits.resize(pixels.stride() * static_cast<std::size_t>(height));
    for (std::size_t i = 0; i < pixels.bits.size(); ++i)
        pixels.bits[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return pixels;
}

struct RoundTripCase {
    const char *name;
    PixelFormat format;
    int width;
    int height;
    std::size_t paletteSize;
    ColorMasks masks;
};

class BmpRoundTrip : public ::testing::TestWithParam<RoundTripCase> { };

TEST_P(BmpRoundTrip, DecoderReadsBackWhatTheEncoderWrote)
{
    const auto &c = GetParam();
    DibPixels pixels = sample(c.format, c.width, c.height, c.paletteSize);
    pixels.masks = c.masks;
    const auto image = encodeBmp(pixels);
    EXPECT_EQ(image.size(), u32At(image, 2));
    EXPECT_EQ(decodeBmp(image), pixels);
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, BmpRoundTrip,
    ::testing::Values(RoundTripCase {"Bits1", PixelFormat::Bits1, 13, 3, 2, {}},
        RoundTripCase {"Bits4", PixelFormat::Bits4, 7, 4, 16, {}},
        RoundTripCase {"Bits4ShortPalette", PixelFormat::Bits4, 7, 4, 5, {}},
        RoundTripCase {"Bits8", PixelFormat::Bits8, 84, 107, 256, {}},
        RoundTripCase {"Bits16With555AndTable", PixelFormat::Bits16, 119, 135, 256, kMasks555},
        RoundTripCase {"Bits16With565", PixelFormat::Bits16, 5, 2, 0, kMasks565},
        RoundTripCase {"Bits16OddMasks", PixelFormat::Bits16, 3, 3, 0, {0xF000, 0x0F00, 0x00F0}},
        RoundTripCase {"Bits24", PixelFormat::Bits24, 34, 17, 0, {}},
        RoundTripCase {"Bits24WithTable", PixelFormat::Bits24, 34, 17, 20, {}},
        RoundTripCase {"Bits32", PixelFormat::Bits32, 9, 2, 0, kMasks888},
        RoundTripCase {"Bits32Swapped", PixelFormat::Bits32, 9, 2, 0, {0xFF, 0xFF00, 0xFF0000}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(BmpEncode, WritesTheHeaderFields)
{
    const DibPixels pixels = sample(PixelFormat::Bits16, 3, 2, 4);
    const auto image = encodeBmp(pixels);
    const std::uint32_t pixelOffset = 14 + 40 + 12 + 4 * 4;
    const std::uint32_t imageSize = 8 * 2;
    ASSERT_EQ(image.size(), pixelOffset + imageSize);
    EXPECT_EQ(image[0], 'B');
    EXPECT_EQ(image[1], 'M');
    EXPECT_EQ(u32At(image, 10), pixelOffset);
    EXPECT_EQ(u32At(image, 14), 40u);
    EXPECT_EQ(u32At(image, 18), 3u);
    EXPECT_EQ(u32At(image, 22), 2u);
    EXPECT_EQ(image[26] | (image[27] << 8), 1);
    EXPECT_EQ(image[28] | (image[29] << 8), 16);
    EXPECT_EQ(u32At(image, 30), 3u);
    EXPECT_EQ(u32At(image, 34), imageSize);
    EXPECT_EQ(u32At(image, 46), 4u);
    EXPECT_EQ(u32At(image, 54), kMasks555.red);
    EXPECT_EQ(u32At(image, 58), kMasks555.green);
    EXPECT_EQ(u32At(image, 62), kMasks555.blue);
    // The colour table holds blue, green, red, 0.
    const std::uint32_t c1 = pixels.palette[1];
    EXPECT_EQ(image[70], c1 >> 16 & 0xFF);
    EXPECT_EQ(image[71], c1 >> 8 & 0xFF);
    EXPECT_EQ(image[72], c1 & 0xFF);
    EXPECT_EQ(image[73], 0);
    // The bottom row comes first.
    EXPECT_EQ(image[pixelOffset], pixels.bits[8]);
}

TEST(BmpEncode, ChosenHeaderFieldsAreWrittenAsGiven)
{
    BmpWriteOptions options;
    options.fileSizeField = 1234;
    options.pixelOffsetField = 54;
    options.sizeImage = SizeImageField::Zero;
    options.xPelsPerMeter = 3780;
    options.yPelsPerMeter = 3781;
    options.importantColors = 7;
    const DibPixels pixels = sample(PixelFormat::Bits24, 34, 17, 20);
    const auto image = encodeBmp(pixels, options);
    EXPECT_EQ(u32At(image, 2), 1234u);
    EXPECT_EQ(u32At(image, 10), 54u);
    EXPECT_EQ(u32At(image, 34), 0u);
    EXPECT_EQ(u32At(image, 38), 3780u);
    EXPECT_EQ(u32At(image, 42), 3781u);
    EXPECT_EQ(u32At(image, 50), 7u);
    EXPECT_EQ(decodeBmp(image), pixels);
}

TEST(BmpEncode, IndexedPictureWithoutPaletteGetsAFullBlackTable)
{
    DibPixels pixels = sample(PixelFormat::Bits4, 4, 1, 0);
    const auto image = encodeBmp(pixels);
    EXPECT_EQ(u32At(image, 46), 0u);
    EXPECT_EQ(image.size(), 14u + 40 + 16 * 4 + 4);
    const DibPixels decoded = decodeBmp(image);
    EXPECT_EQ(decoded.palette, std::vector<std::uint32_t>(16, 0));
    EXPECT_EQ(decoded.bits, pixels.bits);
}

TEST(BmpEncode, EmptyPictureIsZeroBytes)
{
    EXPECT_TRUE(encodeBmp(sample(PixelFormat::Bits8, 0, 5, 256)).empty());
    EXPECT_TRUE(encodeBmp(sample(PixelFormat::Bits24, 5, 0, 0)).empty());
}

} // namespace
} // namespace brivmemo
