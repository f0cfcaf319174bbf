// SPDX-License-Identifier: MIT
#include "DibConversion.h"

#include <gtest/gtest.h>

using namespace brivmemo;
using namespace brivmemo::tools;

namespace {

QImage fourColours()
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 255, 0));
    image.setPixel(2, 0, qRgb(0, 0, 255));
    image.setPixel(0, 1, qRgb(128, 128, 128));
    image.setPixel(1, 1, qRgb(255, 255, 255));
    image.setPixel(2, 1, qRgb(250, 12, 20));
    return image;
}

} // namespace

TEST(DibConversion, SixteenBitPixelsPackFiveBitsPerChannelLowByteFirst)
{
    const DibPixels dib = directDib(fourColours(), PixelFormat::Bits16);
    ASSERT_EQ(dib.format, PixelFormat::Bits16);
    EXPECT_EQ(dib.masks, kMasks555);
    ASSERT_EQ(dib.stride(), 8U);
    const auto value = [&dib](int x, int y) {
        const std::size_t at = static_cast<std::size_t>(y) * dib.stride() + 2 * static_cast<std::size_t>(x);
        return dib.bits[at] | dib.bits[at + 1] << 8;
    };
    EXPECT_EQ(value(0, 0), 0x7C00);
    EXPECT_EQ(value(1, 0), 0x03E0);
    EXPECT_EQ(value(2, 0), 0x001F);
    EXPECT_EQ(value(0, 1), 16 << 10 | 16 << 5 | 16);
    EXPECT_EQ(value(1, 1), 0x7FFF);
    EXPECT_EQ(value(2, 1), 30 << 10 | 1 << 5 | 2);
}

TEST(DibConversion, TwentyFourBitPixelsStoreBlueGreenRed)
{
    const DibPixels dib = directDib(fourColours(), PixelFormat::Bits24);
    ASSERT_EQ(dib.stride(), 12U);
    EXPECT_EQ(dib.masks, ColorMasks {});
    const std::vector<std::uint8_t> firstRow(dib.bits.begin(), dib.bits.begin() + 9);
    EXPECT_EQ(firstRow, (std::vector<std::uint8_t> {0, 0, 255, 0, 255, 0, 255, 0, 0}));
}

TEST(DibConversion, FourBitPicturesPackTwoPixelsPerByteAndPadTheTable)
{
    IndexedPicture picture;
    picture.width = 3;
    picture.height = 1;
    picture.palette = {qRgb(1, 2, 3), qRgb(10, 20, 30), qRgb(0, 0, 0)};
    picture.indices = {1, 2, 1};
    const DibPixels dib = indexedDib(picture, PixelFormat::Bits4);
    ASSERT_EQ(dib.palette.size(), 16U);
    EXPECT_EQ(dib.palette[0], 0x030201U);
    EXPECT_EQ(dib.palette[1], 0x1E140AU);
    EXPECT_EQ(dib.palette[15], 0U);
    ASSERT_EQ(dib.stride(), 4U);
    EXPECT_EQ(dib.bits[0], 0x12);
    EXPECT_EQ(dib.bits[1], 0x10);
}

TEST(DibConversion, PalettesThatDoNotFitTheFormatAreRefused)
{
    IndexedPicture picture;
    picture.width = 1;
    picture.height = 1;
    picture.palette.assign(3, qRgb(0, 0, 0));
    picture.indices = {0};
    EXPECT_THROW(indexedDib(picture, PixelFormat::Bits1), std::invalid_argument);
    EXPECT_THROW(indexedDib(picture, PixelFormat::Bits24), std::invalid_argument);
    EXPECT_THROW(directDib(fourColours(), PixelFormat::Bits8), std::invalid_argument);
}

TEST(DibConversion, IndexedPicturesKeepTheirColours)
{
    const QImage image = fourColours();
    const DibPixels dib = toDib(image, PixelFormat::Bits8, 256);
    ASSERT_EQ(dib.palette.size(), 256U);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            const std::uint8_t index
                = dib.bits[static_cast<std::size_t>(y) * dib.stride() + static_cast<std::size_t>(x)];
            EXPECT_EQ(dib.palette[index], toFileColor(image.pixel(x, y))) << x << "," << y;
        }
    }
}
