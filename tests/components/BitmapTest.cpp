// SPDX-License-Identifier: MIT
#include "Bitmap.h"

#include "BitmapTestImages.h"
#include "core/Exceptions.h"
#include "core/MemoryStream.h"

#include <gtest/gtest.h>

namespace brivmemo {
namespace {

constexpr std::uint32_t kMagenta = 0x00FF00FF;

TEST(Bitmap, StartsEmpty)
{
    const TBitmap bitmap;
    EXPECT_TRUE(bitmap.isEmpty());
    EXPECT_EQ(bitmap.pixel(0, 0), TBitmap::kNoPixel);
    EXPECT_TRUE(bitmap.displayImage().isNull());
}

TEST(Bitmap, PixelsOfA24BitPictureAreBgrColours)
{
    TBitmap bitmap;
    bitmap.loadFromBytes(testing::tinyBmp24());
    EXPECT_EQ(bitmap.width(), 2);
    EXPECT_EQ(bitmap.height(), 2);
    EXPECT_EQ(bitmap.pixelFormat(), PixelFormat::Bits24);
    EXPECT_EQ(bitmap.pixel(0, 0), 0x0000FFu);
    EXPECT_EQ(bitmap.pixel(1, 0), 0x00FF00u);
    EXPECT_EQ(bitmap.pixel(0, 1), 0xFF0000u);
    EXPECT_EQ(bitmap.pixel(1, 1), 0xFFFFFFu);
    EXPECT_EQ(bitmap.pixel(2, 0), TBitmap::kNoPixel);
    EXPECT_EQ(bitmap.pixel(0, -1), TBitmap::kNoPixel);
}

// A strip with a magenta background, stored with a colour table as the radio glyphs are.
TEST(Bitmap, BottomLeftPixelOfGlyphStripIsMagenta)
{
    testing::BmpFields f;
    f.width = 34;
    f.height = 17;
    f.colorsUsed = 20;
    f.colorTable.assign(20, 0x123456);
    for (int y = 0; y < 17; ++y) {
        for (int x = 0; x < 34; ++x) {
            f.pixelBytes.push_back(0xFF);
            f.pixelBytes.push_back(0x00);
            f.pixelBytes.push_back(y == 0 ? 0xFF : 0x80);
        }
        f.pixelBytes.resize(f.pixelBytes.size() + 2, 0);
    }
    TBitmap bitmap;
    bitmap.loadFromBytes(testing::buildBmp(f));
    EXPECT_EQ(bitmap.pixel(0, 16), kMagenta);
    EXPECT_EQ(bitmap.pixel(0, 15), 0xFF0080u);
}

struct PixelCase {
    const char *name;
    PixelFormat format;
    ColorMasks masks;
    std::uint32_t value;
    std::uint32_t color;
};

class BitmapPixelColour : public ::testing::TestWithParam<PixelCase> { };

TEST_P(BitmapPixelColour, StoredValueGivesColour)
{
    const auto &c = GetParam();
    TBitmap bitmap;
    bitmap.create(c.format, 3, 2);
    bitmap.setMasks(c.masks);
    std::vector<std::uint32_t> palette(256);
    for (std::uint32_t i = 0; i < 256; ++i)
        palette[i] = i * 0x010101;
    bitmap.setPalette(palette);
    bitmap.setPixelValue(1, 1, c.value);
    EXPECT_EQ(bitmap.pixelValue(1, 1), c.value);
    EXPECT_EQ(bitmap.pixel(1, 1), c.color);
    EXPECT_EQ(bitmap.pixelValue(0, 1), 0u);
    EXPECT_EQ(bitmap.pixelValue(2, 1), 0u);
    EXPECT_EQ(bitmap.pixelValue(1, 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, BitmapPixelColour,
    ::testing::Values(PixelCase {"Bits1", PixelFormat::Bits1, {}, 1, 0x010101},
        PixelCase {"Bits4", PixelFormat::Bits4, {}, 0xC, 0x0C0C0C},
        PixelCase {"Bits8", PixelFormat::Bits8, {}, 0xAB, 0xABABAB},
        PixelCase {"Bits16White555", PixelFormat::Bits16, kMasks555, 0x7FFF, 0xFFFFFF},
        PixelCase {"Bits16Red555", PixelFormat::Bits16, kMasks555, 0x7C00, 0x0000FF},
        PixelCase {"Bits16Half555", PixelFormat::Bits16, kMasks555, 0x4000, 0x000084},
        PixelCase {"Bits16Green565", PixelFormat::Bits16, kMasks565, 0x07E0, 0x00FF00},
        PixelCase {"Bits16Blue565", PixelFormat::Bits16, kMasks565, 0x0010, 0x840000},
        PixelCase {"Bits16Masks444", PixelFormat::Bits16, {0x0F00, 0x00F0, 0x000F}, 0x0F05, 0x5500FF},
        PixelCase {"Bits24", PixelFormat::Bits24, {}, 0x123456, 0x563412},
        PixelCase {"Bits32", PixelFormat::Bits32, kMasks888, 0xFF123456, 0x563412},
        PixelCase {"Bits32TenBits", PixelFormat::Bits32, {0x3FF00000, 0x000FFC00, 0x000003FF}, 0x3FF00000,
            0x0000FF}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Bitmap, IndexBeyondPaletteIsBlack)
{
    TBitmap bitmap;
    bitmap.create(PixelFormat::Bits8, 1, 1);
    bitmap.setPalette({0xFFFFFF});
    bitmap.setPixelValue(0, 0, 1);
    EXPECT_EQ(bitmap.pixel(0, 0), 0u);
}

TEST(Bitmap, SetPixelPicksTheNearestPaletteEntry)
{
    TBitmap bitmap;
    bitmap.create(PixelFormat::Bits4, 2, 1);
    bitmap.setPalette({0x000000, 0xFFFFFF, 0x0000F0, 0x00FF00});
    bitmap.setPixel(0, 0, 0x0000FF);
    bitmap.setPixel(1, 0, 0x00FF00);
    EXPECT_EQ(bitmap.pixelValue(0, 0), 2u);
    EXPECT_EQ(bitmap.pixelValue(1, 0), 3u);
}

TEST(Bitmap, SetPixelOnDirectFormatsKeepsFullIntensities)
{
    for (const auto format : {PixelFormat::Bits16, PixelFormat::Bits24, PixelFormat::Bits32}) {
        TBitmap bitmap;
        bitmap.create(format, 2, 2);
        bitmap.setPixel(1, 0, kMagenta);
        EXPECT_EQ(bitmap.pixel(1, 0), kMagenta) << bitsPerPixel(format);
        EXPECT_EQ(bitmap.pixel(0, 0), 0u) << bitsPerPixel(format);
    }
}

TEST(Bitmap, EveryChangeIsReported)
{
    TBitmap bitmap;
    int changes = 0;
    bitmap.OnChange = [&](TObject *sender) {
        EXPECT_EQ(sender, &bitmap);
        ++changes;
    };
    bitmap.create(PixelFormat::Bits24, 2, 2);
    bitmap.setPixel(0, 0, 1);
    bitmap.setPixelValue(1, 1, 2);
    bitmap.setPalette({});
    bitmap.setMasks({});
    bitmap.loadFromBytes(testing::tinyBmp24());
    TBitmap other;
    bitmap.Assign(&other);
    EXPECT_EQ(changes, 7);
    bitmap.pixel(0, 0);
    (void)bitmap.displayImage();
    EXPECT_EQ(changes, 7);
}

TEST(Bitmap, DisplayImageIsCachedAndRebuiltAfterAChange)
{
    TBitmap bitmap;
    bitmap.loadFromBytes(testing::tinyBmp24());
    const QImage &first = bitmap.displayImage();
    ASSERT_EQ(first.size(), QSize(2, 2));
    EXPECT_EQ(first.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(first.pixel(0, 1), qRgb(0, 0, 255));
    const auto key = first.cacheKey();
    EXPECT_EQ(bitmap.displayImage().cacheKey(), key);

    bitmap.setPixel(0, 0, 0x00FF00);
    EXPECT_EQ(bitmap.displayImage().pixel(0, 0), qRgb(0, 255, 0));
}

TEST(Bitmap, AssignCopiesPixelsPaletteAndMasksButNotTheHandler)
{
    TBitmap source;
    source.create(PixelFormat::Bits16, 3, 3);
    source.setMasks(kMasks565);
    source.setPalette({1, 2, 3});
    source.setPixelValue(2, 2, 0xF800);
    int sourceChanges = 0;
    source.OnChange = [&](TObject *) { ++sourceChanges; };

    TBitmap copy;
    int copyChanges = 0;
    copy.OnChange = [&](TObject *) { ++copyChanges; };
    copy.Assign(&source);
    EXPECT_EQ(copyChanges, 1);
    EXPECT_EQ(copy.pixels(), source.pixels());
    copy.setPixel(0, 0, 0xFFFFFF);
    EXPECT_EQ(sourceChanges, 0);
    EXPECT_EQ(source.pixel(0, 0), 0u);
}

TEST(Bitmap, AssignFromAnythingElseFails)
{
    TBitmap bitmap;
    TPersistent other;
    try {
        bitmap.Assign(&other);
        FAIL() << "assigned";
    } catch (const EConvertError &e) {
        EXPECT_STREQ(e.what(), "Cannot assign a TPersistent to a TBitmap");
    }
    EXPECT_THROW(bitmap.Assign(nullptr), EConvertError);
}

TEST(Bitmap, SavesAndLoadsThroughAStream)
{
    TBitmap bitmap;
    bitmap.create(PixelFormat::Bits8, 5, 4);
    bitmap.setPalette({0x111111, 0x222222, 0x333333});
    bitmap.setPixelValue(4, 3, 2);
    TMemoryStream stream;
    bitmap.saveToStream(stream);
    stream.setPosition(0);
    TBitmap loaded;
    loaded.loadFromStream(stream);
    EXPECT_EQ(loaded.pixels(), bitmap.pixels());
    EXPECT_EQ(loaded.pixel(4, 3), 0x333333u);
}

TEST(Bitmap, FailedLoadKeepsThePicture)
{
    TBitmap bitmap;
    bitmap.loadFromBytes(testing::tinyBmp24());
    auto broken = testing::tinyBmp24();
    broken[0] = 'X';
    EXPECT_THROW(bitmap.loadFromBytes(broken), EInvalidGraphic);
    EXPECT_EQ(bitmap.width(), 2);
    EXPECT_EQ(bitmap.pixel(1, 1), 0xFFFFFFu);
}

TEST(Bitmap, SizeBeyondTheLimitIsRefused)
{
    TBitmap bitmap;
    EXPECT_THROW(bitmap.create(PixelFormat::Bits8, 16385, 1), EInvalidGraphic);
    EXPECT_THROW(bitmap.create(PixelFormat::Bits8, 1, -1), EInvalidGraphic);
    DibPixels pixels;
    pixels.width = 2;
    pixels.height = 2;
    pixels.bits = {1};
    bitmap.setPixels(pixels);
    EXPECT_EQ(bitmap.pixels().bits.size(), 16u);
    EXPECT_EQ(bitmap.pixelValue(1, 1), 0u);
}

} // namespace
} // namespace brivmemo
