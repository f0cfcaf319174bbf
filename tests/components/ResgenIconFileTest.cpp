// SPDX-License-Identifier: MIT
#include "CursorCanvas.h"
#include "IconFile.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace brivmemo;
using namespace brivmemo::tools;

namespace {

std::uint16_t readU16(const std::vector<std::uint8_t> &bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

QImage readBack(const std::vector<std::uint8_t> &bytes, const char *format)
{
    return QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), format)
        .convertToFormat(QImage::Format_ARGB32);
}

// A cursor with one white pixel at (10, 20), its outline, and a black mark at (0, 0).
IconPicture dotCursor()
{
    CursorCanvas canvas;
    canvas.fill(QRect(10, 20, 1, 1));
    canvas.ink({0, 0}, {0, 0});
    return canvas.finish({10, 20});
}

} // namespace

TEST(CursorCanvas, FinishOutlinesTheShapeInBlackAndLeavesTheRestClear)
{
    const IconPicture picture = dotCursor();
    ASSERT_EQ(picture.colors.format, PixelFormat::Bits1);
    const auto clear
        = [&picture](int x, int y) { return picture.transparent[static_cast<std::size_t>(y * 32 + x)]; };
    const auto white = [&picture](int x, int y) {
        return (picture.colors.bits[static_cast<std::size_t>(y) * picture.colors.stride()
                    + static_cast<std::size_t>(x / 8)]
                   >> (7 - x % 8))
            & 1;
    };
    int opaque = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            opaque += clear(x, y) ? 0 : 1;
    }
    EXPECT_EQ(opaque, 1 + 8 + 1);
    EXPECT_TRUE(white(10, 20));
    for (const QPoint around : {QPoint(9, 19), QPoint(10, 19), QPoint(11, 21), QPoint(9, 20)}) {
        EXPECT_FALSE(clear(around.x(), around.y()));
        EXPECT_FALSE(white(around.x(), around.y()));
    }
    EXPECT_FALSE(clear(0, 0));
    EXPECT_TRUE(clear(12, 20));
}

TEST(IconFile, CursorKeepsItsHotSpotInTheHeaderAndReadsBack)
{
    const std::vector<std::uint8_t> file = encodeIconFile(dotCursor(), IconFileKind::Cursor);
    EXPECT_EQ(readU16(file, 2), 2);
    EXPECT_EQ(readU16(file, 4), 1);
    EXPECT_EQ(file[6], 32);
    EXPECT_EQ(file[7], 32);
    EXPECT_EQ(readU16(file, 10), 10);
    EXPECT_EQ(readU16(file, 12), 20);

    const QImage image = readBack(file, "CUR");
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(image.pixel(10, 20), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(11, 21), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(qAlpha(image.pixel(12, 20)), 0);
    EXPECT_EQ(qAlpha(image.pixel(31, 31)), 0);
}

TEST(IconFile, SixteenColourIconReadsBackWithItsColoursAndMask)
{
    IconPicture picture;
    picture.colors.width = 16;
    picture.colors.height = 16;
    picture.colors.format = PixelFormat::Bits4;
    picture.colors.palette.assign(16, 0);
    picture.colors.palette[5] = 0x0000FF;
    picture.colors.palette[9] = 0xFF8000;
    picture.colors.bits.assign(picture.colors.stride() * 16, 0x55);
    picture.colors.bits[0] = 0x95;
    picture.transparent.assign(256, false);
    picture.transparent[15 * 16 + 15] = true;

    const std::vector<std::uint8_t> file = encodeIconFile(picture, IconFileKind::Icon);
    EXPECT_EQ(readU16(file, 2), 1);
    EXPECT_EQ(file[8], 16);
    EXPECT_EQ(readU16(file, 12), 4);
    const QImage image = readBack(file, "ICO");
    ASSERT_EQ(image.size(), QSize(16, 16));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0x80, 0xFF));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0xFF, 0, 0));
    EXPECT_EQ(image.pixel(7, 9), qRgb(0xFF, 0, 0));
    EXPECT_EQ(qAlpha(image.pixel(15, 15)), 0);
}

TEST(IconFile, RefusesWhatAnIconFileCannotHold)
{
    IconPicture direct = dotCursor();
    direct.colors.format = PixelFormat::Bits24;
    EXPECT_THROW(encodeIconFile(direct, IconFileKind::Icon), std::invalid_argument);

    IconPicture shortMask = dotCursor();
    shortMask.transparent.pop_back();
    EXPECT_THROW(encodeIconFile(shortMask, IconFileKind::Icon), std::invalid_argument);

    IconPicture outside = dotCursor();
    outside.hotSpot = {32, 0};
    EXPECT_THROW(encodeIconFile(outside, IconFileKind::Cursor), std::invalid_argument);
    outside.hotSpot = {0, -1};
    EXPECT_THROW(encodeIconFile(outside, IconFileKind::Cursor), std::invalid_argument);
}
