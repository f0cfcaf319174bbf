// SPDX-License-Identifier: MIT
#include "DibConversion.h"
#include "MMBmpLst.h"
#include "MemoryStream.h"
#include "TableOffsetPatch.h"

#include <gtest/gtest.h>

using namespace brivmemo;
using namespace brivmemo::tools;

namespace {

std::uint32_t readU32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16
        | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

QImage gradient()
{
    QImage image(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x)
            image.setPixel(x, y, qRgb(x * 60, y * 100, 255 - x * 50));
    }
    return image;
}

struct TableCase {
    PixelFormat format;
    int tableSize;
    std::uint32_t pixelOffset;
};

std::vector<std::uint8_t> writeList(const std::vector<DibPixels> &pictures)
{
    TMMBitmapList list;
    for (const DibPixels &pixels : pictures)
        list.Add(TBitmap(pixels));
    TMemoryStream stream;
    list.WriteListItems(stream);
    return stream.bytes();
}

} // namespace

class DirectPictureWithTable : public testing::TestWithParam<TableCase> { };

// The header leaves the table out, yet the pixels are still read from after the table.
TEST_P(DirectPictureWithTable, HeaderLeavesTheTableOutAndThePixelsStillDecode)
{
    const TableCase c = GetParam();
    const DibPixels dib = toDib(gradient(), c.format, c.tableSize);
    ASSERT_EQ(dib.palette.size(), static_cast<std::size_t>(c.tableSize));
    std::vector<std::uint8_t> file = encodeBmp(dib);
    leaveColorTableOutOfOffsets(file);
    const std::size_t pixelBytes = dib.stride() * 3;
    EXPECT_EQ(readU32(file, 10), c.pixelOffset);
    EXPECT_EQ(readU32(file, 2), c.pixelOffset + pixelBytes);
    EXPECT_EQ(file.size(), c.pixelOffset + 4U * static_cast<std::size_t>(c.tableSize) + pixelBytes);
    EXPECT_EQ(decodeBmp(file), dib);
}

INSTANTIATE_TEST_SUITE_P(Formats, DirectPictureWithTable,
    testing::Values(TableCase {PixelFormat::Bits16, 256, 66}, TableCase {PixelFormat::Bits24, 20, 54}));

TEST(TableOffsetPatch, PicturesWithoutATableBesideTheirPixelsKeepTheTrueHeader)
{
    for (const auto &[format, tableSize] :
        {std::pair {PixelFormat::Bits24, 0}, std::pair {PixelFormat::Bits16, 0},
            std::pair {PixelFormat::Bits8, 256}, std::pair {PixelFormat::Bits4, 16}}) {
        const std::vector<std::uint8_t> original = encodeBmp(toDib(gradient(), format, tableSize));
        std::vector<std::uint8_t> patched = original;
        leaveColorTableOutOfOffsets(patched);
        EXPECT_EQ(patched, original) << bitsPerPixel(format);
    }
}

TEST(TableOffsetPatch, ListStreamIsPatchedItemByItemAndLoadsBackUnchanged)
{
    const std::vector<DibPixels> pictures {toDib(gradient(), PixelFormat::Bits8, 256),
        toDib(gradient(), PixelFormat::Bits24, 20), toDib(gradient(), PixelFormat::Bits16, 256)};
    std::vector<std::uint8_t> stream = writeList(pictures);
    leaveColorTablesOutOfOffsets(stream);

    std::size_t at = 8;
    const std::vector<std::uint32_t> offsets {14 + 40 + 1024, 54, 66};
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const std::uint32_t length = readU32(stream, at);
        const std::span<const std::uint8_t> image(stream.data() + at + 4, length);
        EXPECT_EQ(readU32(image, 10), offsets[i]) << i;
        EXPECT_EQ(readU32(image, 2) < length, i > 0) << i;
        at += 4 + length;
    }
    EXPECT_EQ(at, stream.size());

    TMMBitmapList loaded;
    loaded.LoadListItems(stream);
    ASSERT_EQ(loaded.Count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(loaded.Bitmaps(i)->pixels(), pictures[static_cast<std::size_t>(i)]) << i;
}

TEST(TableOffsetPatch, StreamsThatAreNotPlainListsOrRunShortAreRefused)
{
    std::vector<std::uint8_t> stream = writeList({toDib(gradient(), PixelFormat::Bits24, 20)});
    std::vector<std::uint8_t> packed = stream;
    packed[3] = 'C';
    EXPECT_THROW(leaveColorTablesOutOfOffsets(packed), std::invalid_argument);
    std::vector<std::uint8_t> cut(stream.begin(), stream.end() - 1);
    EXPECT_THROW(leaveColorTablesOutOfOffsets(cut), std::invalid_argument);
    std::vector<std::uint8_t> notBmp = stream;
    notBmp[12] = 'X';
    EXPECT_THROW(leaveColorTablesOutOfOffsets(notBmp), std::invalid_argument);
    std::vector<std::uint8_t> tiny {'B', 'M', 0, 0};
    EXPECT_THROW(leaveColorTableOutOfOffsets(tiny), std::invalid_argument);
}
