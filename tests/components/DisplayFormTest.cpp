// SPDX-License-Identifier: MIT
#include "DisplayForm.h"

#include "Bitmap.h"

#include <gtest/gtest.h>
#include <random>

namespace {

using namespace brivmemo;

TEST(ChannelFromBitsTest, WidensNarrowFieldsByRepeatingTheirBitsAndCutsWideOnes)
{
    EXPECT_EQ(channelFromBits(0x7C00, 0x7C00), 255);
    EXPECT_EQ(channelFromBits(0x4000, 0x7C00), 0b10000100);
    EXPECT_EQ(channelFromBits(0x0020, 0x07E0), 0b00000100);
    EXPECT_EQ(channelFromBits(0x0001, 0x0001), 255);
    EXPECT_EQ(channelFromBits(0x3FF, 0x3FF), 255);
    EXPECT_EQ(channelFromBits(0x200, 0x3FF), 128);
    EXPECT_EQ(channelFromBits(0xFFFF, 0), 0);
}

struct FormatCase {
    const char *name;
    PixelFormat format;
    ColorMasks masks;
    std::size_t paletteSize;
};

class DisplayFormTest : public testing::TestWithParam<FormatCase> { };

// Random pixels of an odd width, so that rows end inside a byte and carry padding; palettes
// shorter than the format's range make pixels point past their end.
TEST_P(DisplayFormTest, GivesEveryPixelTheColourTheBitmapReadsForIt)
{
    const FormatCase &format = GetParam();
    std::mt19937 random(12345);
    DibPixels pixels;
    pixels.format = format.format;
    pixels.width = 13;
    pixels.height = 5;
    pixels.masks = format.masks;
    for (std::size_t i = 0; i < format.paletteSize; ++i)
        pixels.palette.push_back(static_cast<TColor>(random() & 0xFFFFFF));
    pixels.bits.resize(pixels.stride() * 5);
    for (auto &byte : pixels.bits)
        byte = static_cast<std::uint8_t>(random());
    const TBitmap bitmap(pixels);

    const QImage image = displayForm(pixels);

    ASSERT_EQ(image.format(), QImage::Format_RGB32);
    ASSERT_EQ(image.size(), QSize(13, 5));
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 13; ++x) {
            const TColor colour = bitmap.pixel(x, y);
            EXPECT_EQ(image.pixel(x, y), qRgb(redOf(colour), greenOf(colour), blueOf(colour)))
                << "at " << x << ", " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, DisplayFormTest,
    testing::Values(FormatCase {"OneBit", PixelFormat::Bits1, {}, 2},
        FormatCase {"OneBitShortPalette", PixelFormat::Bits1, {}, 1},
        FormatCase {"FourBits", PixelFormat::Bits4, {}, 16},
        FormatCase {"FourBitsShortPalette", PixelFormat::Bits4, {}, 5},
        FormatCase {"EightBits", PixelFormat::Bits8, {}, 256},
        FormatCase {"EightBitsShortPalette", PixelFormat::Bits8, {}, 7},
        FormatCase {"SixteenBits555", PixelFormat::Bits16, kMasks555, 0},
        FormatCase {"SixteenBits565", PixelFormat::Bits16, kMasks565, 0},
        FormatCase {"SixteenBitsUnevenFields", PixelFormat::Bits16, {0x000F, 0x00F0, 0xFF00}, 0},
        FormatCase {"SixteenBitsOneBitAndNoGreen", PixelFormat::Bits16, {0x0001, 0, 0x8000}, 0},
        FormatCase {"TwentyFourBits", PixelFormat::Bits24, {}, 0},
        FormatCase {"ThirtyTwoBits888", PixelFormat::Bits32, kMasks888, 0},
        FormatCase {
            "ThirtyTwoBitsTenBitFields", PixelFormat::Bits32, {0x3FF00000, 0x000FFC00, 0x000003FF}, 0},
        FormatCase {"ThirtyTwoBitsSplitField", PixelFormat::Bits32, {0x00F0F000, 0x0F000F00, 0x0000000F}, 0}),
    [](const testing::TestParamInfo<FormatCase> &info) { return std::string(info.param.name); });

TEST(DisplayFormEmptyTest, AnEmptyPictureHasNoDisplayForm)
{
    DibPixels pixels;
    pixels.format = PixelFormat::Bits8;
    pixels.width = 4;
    EXPECT_TRUE(displayForm(pixels).isNull());
}

} // namespace
