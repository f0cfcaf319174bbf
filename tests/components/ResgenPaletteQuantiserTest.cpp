// SPDX-License-Identifier: MIT
#include "PaletteQuantiser.h"

#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#include <stdexcept>

using brivmemo::tools::IndexedPicture;
using brivmemo::tools::quantise;

namespace {

int largestChannelError(QRgb a, QRgb b)
{
    return std::max(
        {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// A picture with exactly the given number of colours, each in its own column band.
QImage bands(int colors)
{
    QImage image(colors * 2, 3, QImage::Format_RGB32);
    for (int x = 0; x < image.width(); ++x) {
        const int band = x / 2;
        for (int y = 0; y < image.height(); ++y)
            image.setPixel(x, y, qRgb((band * 37) % 256, (band * 91) % 256, band));
    }
    return image;
}

// Red rising to the right, green rising downwards: 4096 colours in smooth ramps.
QImage ramps()
{
    QImage image(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x)
            image.setPixel(x, y, qRgb(x * 4, y * 4, 128));
    }
    return image;
}

} // namespace

class QuantiserKeepsFewColours : public testing::TestWithParam<std::pair<int, int>> { };

TEST_P(QuantiserKeepsFewColours, EveryPixelKeepsItsExactColour)
{
    const auto [colors, paletteSize] = GetParam();
    const QImage image = bands(colors);
    const IndexedPicture picture = quantise(image, paletteSize);
    EXPECT_EQ(picture.palette.size(), static_cast<std::size_t>(colors));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(picture.color(x, y), image.pixel(x, y)) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, QuantiserKeepsFewColours,
    testing::Values(
        std::pair {1, 1}, std::pair {2, 16}, std::pair {16, 16}, std::pair {200, 256}, std::pair {256, 256}));

TEST(PaletteQuantiser, SmoothRampsStayCloseToTheirColours)
{
    const QImage image = ramps();
    const IndexedPicture picture = quantise(image, 256);
    ASSERT_LE(picture.palette.size(), 256U);
    int worst = 0;
    long total = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int error = largestChannelError(picture.color(x, y), image.pixel(x, y));
            worst = std::max(worst, error);
            total += error;
        }
    }
    // 4096 colours in 256 entries: about 16 neighbours share one, a few steps of 4 apart.
    EXPECT_LE(worst, 12);
    EXPECT_LE(total / (64 * 64), 5);
}

TEST(PaletteQuantiser, PinnedColoursComeFirstAndStayExact)
{
    QImage image = ramps();
    for (int x = 0; x < 64; ++x)
        image.setPixel(x, 10, qRgb(255, 255, 255));
    const std::array<QRgb, 2> pinned {qRgb(255, 255, 255), qRgb(255, 0, 255)};
    const IndexedPicture picture = quantise(image, 16, pinned);
    ASSERT_EQ(picture.palette.size(), 16U);
    EXPECT_EQ(picture.palette[0], qRgb(255, 255, 255));
    EXPECT_EQ(picture.palette[1], qRgb(255, 0, 255));
    for (int x = 0; x < 64; ++x)
        EXPECT_EQ(picture.index(x, 10), 0) << x;
}

TEST(PaletteQuantiser, TransparentPixelsTakeEntryZeroAndDoNotCount)
{
    QImage image(4, 2, QImage::Format_ARGB32);
    image.fill(qRgba(255, 0, 0, 40));
    image.setPixel(1, 1, qRgba(0, 0, 255, 255));
    image.setPixel(2, 1, qRgba(0, 0, 250, 200));
    const std::array<QRgb, 1> black {qRgb(0, 0, 0)};
    const IndexedPicture picture = quantise(image, 2, black);
    ASSERT_EQ(picture.palette.size(), 2U);
    EXPECT_EQ(picture.palette[1], qRgb(0, 0, 253));
    EXPECT_EQ(picture.index(0, 0), 0);
    EXPECT_EQ(picture.index(1, 1), 1);
    EXPECT_EQ(picture.index(2, 1), 1);
}

TEST(PaletteQuantiser, RejectsPalettesThatCannotExist)
{
    const QImage image = bands(4);
    const std::array<QRgb, 3> pinned {qRgb(0, 0, 0), qRgb(1, 1, 1), qRgb(2, 2, 2)};
    EXPECT_THROW(quantise(image, 0), std::invalid_argument);
    EXPECT_THROW(quantise(image, 257), std::invalid_argument);
    EXPECT_THROW(quantise(image, 2, pinned), std::invalid_argument);
}
