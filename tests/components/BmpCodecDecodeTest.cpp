// SPDX-License-Identifier: MIT
#include "BitmapTestImages.h"
#include "BmpCodec.h"
#include "core/Exceptions.h"

#include <gtest/gtest.h>
#include <tuple>

namespace brivmemo {
namespace {

using testing::BmpFields;
using testing::buildBmp;

// The raw bytes of one decoded row, without its padding.
std::vector<std::uint8_t> row(const DibPixels &pixels, int y, std::size_t length)
{
    const auto start = pixels.bits.begin() + static_cast<std::ptrdiff_t>(y * pixels.stride());
    return {start, start + static_cast<std::ptrdiff_t>(length)};
}

TEST(BmpDecode, EmptyImageGivesEmptyPicture)
{
    const DibPixels pixels = decodeBmp({});
    EXPECT_EQ(pixels.width, 0);
    EXPECT_EQ(pixels.height, 0);
    EXPECT_TRUE(pixels.bits.empty());
}

struct FormatCase {
    const char *name;
    std::uint16_t bitCount;
    PixelFormat format;
    std::size_t paletteSize; // with colorsUsed 0
};

class BmpDecodeFormat : public ::testing::TestWithParam<FormatCase> { };

// Two rows of 5 pixels with the bottom row's bytes 0x11.. and the top row's 0x81..: the top
// row of the picture must be the last row of the file.
TEST_P(BmpDecodeFormat, ReadsRowsBottomUpWithFullTable)
{
    const auto &c = GetParam();
    const std::size_t stride = (5 * c.bitCount + 31) / 32 * 4;
    BmpFields f;
    f.width = 5;
    f.height = 2;
    f.bitCount = c.bitCount;
    f.colorTable.resize(c.paletteSize);
    for (std::size_t i = 0; i < c.paletteSize; ++i)
        f.colorTable[i] = static_cast<std::uint32_t>(i * 0x010203) & 0xFFFFFF;
    for (std::size_t i = 0; i < stride; ++i)
        f.pixelBytes.push_back(static_cast<std::uint8_t>(0x11 + i));
    for (std::size_t i = 0; i < stride; ++i)
        f.pixelBytes.push_back(static_cast<std::uint8_t>(0x81 + i));

    const DibPixels pixels = decodeBmp(buildBmp(f));
    EXPECT_EQ(pixels.format, c.format);
    EXPECT_EQ(pixels.width, 5);
    EXPECT_EQ(pixels.height, 2);
    EXPECT_EQ(pixels.stride(), stride);
    EXPECT_EQ(pixels.palette, f.colorTable);
    EXPECT_EQ(pixels.masks, defaultMasks(c.format));
    EXPECT_EQ(
        row(pixels, 0, stride), std::vector<std::uint8_t>(f.pixelBytes.begin() + stride, f.pixelBytes.end()));
    EXPECT_EQ(row(pixels, 1, stride),
        std::vector<std::uint8_t>(f.pixelBytes.begin(), f.pixelBytes.begin() + stride));
}

INSTANTIATE_TEST_SUITE_P(AllDepths, BmpDecodeFormat,
    ::testing::Values(FormatCase {"Bits1", 1, PixelFormat::Bits1, 2},
        FormatCase {"Bits4", 4, PixelFormat::Bits4, 16}, FormatCase {"Bits8", 8, PixelFormat::Bits8, 256},
        FormatCase {"Bits16", 16, PixelFormat::Bits16, 0}, FormatCase {"Bits24", 24, PixelFormat::Bits24, 0},
        FormatCase {"Bits32", 32, PixelFormat::Bits32, 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(BmpDecode, ColorsUsedSetsTableLengthAndPixelsFollowIt)
{
    BmpFields f;
    f.bitCount = 8;
    f.colorsUsed = 3;
    f.colorTable = {0x0000FF, 0x00FF00, 0xFF0000};
    f.pixelBytes = {2, 0, 0, 0};
    const DibPixels pixels = decodeBmp(buildBmp(f));
    EXPECT_EQ(pixels.palette, f.colorTable);
    EXPECT_EQ(pixels.bits[0], 2);
}

TEST(BmpDecode, CoreHeaderHasThreeByteColourEntries)
{
    BmpFields f;
    f.headerSize = 12;
    f.width = 3;
    f.height = 1;
    f.bitCount = 1;
    f.colorTable = {0x123456, 0xABCDEF};
    f.pixelBytes = {0xA0, 0, 0, 0};
    const DibPixels pixels = decodeBmp(buildBmp(f));
    EXPECT_EQ(pixels.format, PixelFormat::Bits1);
    EXPECT_EQ(pixels.width, 3);
    EXPECT_EQ(pixels.palette, f.colorTable);
    EXPECT_EQ(pixels.bits, (std::vector<std::uint8_t> {0xA0, 0, 0, 0}));
}

struct MaskCase {
    const char *name;
    std::uint16_t bitCount;
    std::uint32_t headerSize;
    ColorMasks masks;
};

class BmpDecodeMasks : public ::testing::TestWithParam<MaskCase> { };

TEST_P(BmpDecodeMasks, KeepsTheGivenMasks)
{
    const auto &c = GetParam();
    BmpFields f;
    f.headerSize = c.headerSize;
    f.bitCount = c.bitCount;
    f.compression = 3;
    f.masks = {c.masks.red, c.masks.green, c.masks.blue};
    f.pixelBytes = {0x34, 0x12, 0x78, 0x56};
    const DibPixels pixels = decodeBmp(buildBmp(f));
    EXPECT_EQ(pixels.masks, c.masks);
    EXPECT_EQ(row(pixels, 0, 4), f.pixelBytes);
}

INSTANTIATE_TEST_SUITE_P(BitFields, BmpDecodeMasks,
    ::testing::Values(MaskCase {"Masks555", 16, 40, kMasks555}, MaskCase {"Masks565", 16, 40, kMasks565},
        MaskCase {"Masks444", 16, 40, {0x0F00, 0x00F0, 0x000F}},
        MaskCase {"Masks32Swapped", 32, 40, {0x000000FF, 0x0000FF00, 0x00FF0000}},
        MaskCase {"InsideLongHeader", 16, 108, kMasks565}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(BmpDecode, SizeImageZeroIsComputedFromTheHeader)
{
    BmpFields f;
    f.width = 1;
    f.height = 2;
    f.sizeImage = 0;
    f.pixelBytes = {1, 2, 3, 0, 4, 5, 6, 0, 0xEE, 0xEE};
    const DibPixels pixels = decodeBmp(buildBmp(f));
    EXPECT_EQ(pixels.bits, (std::vector<std::uint8_t> {4, 5, 6, 0, 1, 2, 3, 0}));
}

TEST(BmpDecode, SizeImageLimitsTheRowsRead)
{
    BmpFields f;
    f.width = 1;
    f.height = 2;
    f.sizeImage = 4;
    f.pixelBytes = {1, 2, 3, 0, 4, 5, 6, 0};
    const DibPixels pixels = decodeBmp(buildBmp(f));
    EXPECT_EQ(pixels.bits, (std::vector<std::uint8_t> {0, 0, 0, 0, 1, 2, 3, 0}));
}

TEST(BmpDecode, SizeImageBeyondTheBytesLeftReadsWhatIsThere)
{
    BmpFields f;
    f.width = 1;
    f.height = 2;
    f.sizeImage = 0x7FFFFFFF;
    f.pixelBytes = {1, 2, 3, 0, 4, 5};
    const DibPixels pixels = decodeBmp(buildBmp(f));
    EXPECT_EQ(pixels.bits, (std::vector<std::uint8_t> {4, 5, 0, 0, 1, 2, 3, 0}));
}

TEST(BmpDecode, ShortPixelDataLeavesTheRestZero)
{
    BmpFields f;
    f.width = 2;
    f.height = 3;
    f.bitCount = 8;
    f.colorTable.assign(256, 0);
    f.pixelBytes = {7, 8};
    const DibPixels pixels = decodeBmp(buildBmp(f));
    EXPECT_EQ(pixels.bits, (std::vector<std::uint8_t> {0, 0, 0, 0, 0, 0, 0, 0, 7, 8, 0, 0}));
}

TEST(BmpDecode, NoPixelDataAtAllGivesAZeroPicture)
{
    BmpFields f;
    f.width = 3;
    f.height = 3;
    const DibPixels pixels = decodeBmp(buildBmp(f));
    EXPECT_EQ(pixels.bits, std::vector<std::uint8_t>(36, 0));
}

TEST(BmpDecode, NegativeHeightIsTopDown)
{
    BmpFields f;
    f.width = 1;
    f.height = -2;
    f.pixelBytes = {1, 2, 3, 0, 4, 5, 6, 0};
    const DibPixels pixels = decodeBmp(buildBmp(f));
    EXPECT_EQ(pixels.height, 2);
    EXPECT_EQ(pixels.bits, f.pixelBytes);
}

TEST(BmpDecode, FileSizeAndPixelOffsetAreIgnored)
{
    BmpFields f;
    f.fileSize = 0xFFFFFFFF;
    f.pixelOffset = 0xDEADBEEF;
    f.pixelBytes = {9, 8, 7, 0};
    EXPECT_EQ(decodeBmp(buildBmp(f)).bits, f.pixelBytes);
}

// The radio glyph strips: a 24-bit picture with a 20-entry colour table whose file header
// counts the table out of both its size and its pixel offset.
TEST(BmpDecode, ImageLongerThanItsFileSizeKeepsTableAndPixelsAfterIt)
{
    BmpFields f;
    f.width = 2;
    f.height = 1;
    f.colorsUsed = 20;
    for (std::uint32_t i = 0; i < 20; ++i)
        f.colorTable.push_back(0x0A0B0C + i);
    f.pixelBytes = {0xFF, 0x00, 0xFF, 0x10, 0x20, 0x30, 0, 0};
    f.pixelOffset = 54;
    f.fileSize = 54 + 8;
    const auto image = buildBmp(f);
    ASSERT_GT(image.size(), f.fileSize);

    const DibPixels pixels = decodeBmp(image);
    EXPECT_EQ(pixels.format, PixelFormat::Bits24);
    EXPECT_EQ(pixels.palette, f.colorTable);
    EXPECT_EQ(pixels.bits, f.pixelBytes);
}

TEST(BmpDecode, PicturesUpToTheLimitsAreRead)
{
    for (const auto &[bitCount, width, height] :
        {std::tuple {1, 16384, 16384}, std::tuple {32, 4096, 2048}, std::tuple {32, 4096, -2048}}) {
        BmpFields f;
        f.bitCount = static_cast<std::uint16_t>(bitCount);
        f.width = width;
        f.height = height;
        if (bitCount == 1)
            f.colorTable = {clBlack, clWhite};
        f.pixelBytes = {0xAB, 0xCD};
        const DibPixels pixels = decodeBmp(buildBmp(f));
        EXPECT_EQ(pixels.bits.size(), kMaxPixelBytes) << bitCount;
        // The first row of the file is the bottom row, unless the height is negative.
        const std::size_t firstFileRow = height < 0 ? 0 : pixels.bits.size() - pixels.stride();
        EXPECT_EQ(pixels.bits[firstFileRow + 1], 0xCD) << bitCount;
    }
}

struct MalformedCase {
    const char *name;
    std::vector<std::uint8_t> image;
};

BmpFields valid8()
{
    BmpFields f;
    f.width = 2;
    f.height = 2;
    f.bitCount = 8;
    f.colorTable.assign(256, 0);
    f.pixelBytes.assign(8, 1);
    return f;
}

std::vector<std::uint8_t> with(void (*edit)(BmpFields &))
{
    BmpFields f = valid8();
    edit(f);
    return buildBmp(f);
}

std::vector<std::uint8_t> cut(std::size_t length)
{
    auto image = buildBmp(valid8());
    image.resize(length);
    return image;
}

class BmpDecodeMalformed : public ::testing::TestWithParam<MalformedCase> { };

TEST_P(BmpDecodeMalformed, IsNotAValidImage)
{
    try {
        decodeBmp(GetParam().image);
        FAIL() << "decoded";
    } catch (const EInvalidGraphic &e) {
        EXPECT_STREQ(e.what(), "Bitmap image is not valid");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Mends, BmpDecodeMalformed,
    ::testing::Values(
        MalformedCase{"NotBM", [] {
                          auto image = buildBmp(valid8());
                          image[1] = 'A';
                          return image;
                      }()},
        MalformedCase{"OneByte", {'B'}},
        MalformedCase{"CutInFileHeader", cut(10)},
        MalformedCase{"CutInInfoHeader", cut(30)},
        MalformedCase{"TwoPlanes", with([](BmpFields &f) { f.planes = 2; })},
        MalformedCase{"ZeroPlanes", with([](BmpFields &f) { f.planes = 0; })},
        MalformedCase{"SevenBits", with([](BmpFields &f) { f.bitCount = 7; })},
        MalformedCase{"ZeroBits", with([](BmpFields &f) { f.bitCount = 0; })},
        MalformedCase{"RunLength8", with([](BmpFields &f) { f.compression = 1; })},
        MalformedCase{"BitFieldsOn8Bits", with([](BmpFields &f) { f.compression = 3; })},
        MalformedCase{"HeaderSize20", with([](BmpFields &f) { f.headerSize = 20; })},
        MalformedCase{"HeaderSizeHuge", with([](BmpFields &f) { f.headerSize = 0xFFFFFFF0; })},
        MalformedCase{"NegativeWidth", with([](BmpFields &f) { f.width = -2; })},
        MalformedCase{"WidthOverCap", with([](BmpFields &f) { f.width = 16385; })},
        MalformedCase{"HeightOverCap", with([](BmpFields &f) { f.height = 16385; })},
        MalformedCase{"TopDownOverCap", with([](BmpFields &f) { f.height = -16385; })},
        MalformedCase{"SmallestHeight", with([](BmpFields &f) { f.height = INT32_MIN; })},
        MalformedCase{"WidthMaxInt", with([](BmpFields &f) { f.width = INT32_MAX; })},
        MalformedCase{"FullSizeAt8Bits",
                      with([](BmpFields &f) {
                          f.width = 16384;
                          f.height = 16384;
                      })},
        MalformedCase{"OneRowOverTheByteLimit",
                      with([](BmpFields &f) {
                          f.bitCount = 32;
                          f.colorTable.clear();
                          f.width = 4096;
                          f.height = -2049;
                      })},
        MalformedCase{"CoreWidthOverCap",
                      with([](BmpFields &f) {
                          f.headerSize = 12;
                          f.width = 40000;
                      })},
        MalformedCase{"TablePastEnd", with([](BmpFields &f) { f.colorTable.resize(255); f.pixelBytes.clear(); })},
        MalformedCase{"ColorsUsedHuge", with([](BmpFields &f) { f.colorsUsed = 0xFFFFFFFF; })},
        MalformedCase{"ColorsUsedOnDirectColourPastEnd",
                      with([](BmpFields &f) {
                          f.bitCount = 24;
                          f.colorsUsed = 1000;
                      })},
        MalformedCase{"MasksCut",
                      [] {
                          BmpFields f;
                          f.bitCount = 16;
                          f.compression = 3;
                          f.masks = {0x7C00, 0x03E0};
                          return buildBmp(f);
                      }()}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace brivmemo
