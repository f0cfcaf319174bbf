// SPDX-License-Identifier: MIT
// The pictures committed in resources/ have the shapes the game relies on: list sizes, each
// entry's size and pixel format, the glyph strip's transparent corner, and cursors and icons
// that Qt reads with their hot spots and colour counts.
#include "MMBmpLst.h"

#include <QCryptographicHash>
#include <QImage>
#include <QSet>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>

using namespace brivmemo;

namespace {

const std::filesystem::path kResources(BRIVMEMO_RESOURCE_DIR);

std::vector<std::uint8_t> readFile(const std::filesystem::path &name)
{
    std::ifstream file(kResources / name, std::ios::binary);
    EXPECT_TRUE(file) << name;
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t readU32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16
        | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t readU16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

// The BMP file images of a plain list stream, in order.
std::vector<std::span<const std::uint8_t>> records(const std::vector<std::uint8_t> &stream)
{
    std::vector<std::span<const std::uint8_t>> images;
    std::size_t at = 8;
    while (at + 4 <= stream.size()) {
        const std::uint32_t length = readU32(stream, at);
        images.emplace_back(stream.data() + at + 4, length);
        at += 4 + length;
    }
    EXPECT_EQ(at, stream.size());
    return images;
}

struct Entry {
    int width;
    int height;
    PixelFormat format;
    std::size_t tableSize;
};

void expectEntries(TMMBitmapList &list, const std::vector<Entry> &entries)
{
    ASSERT_EQ(list.Count(), static_cast<int>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const TBitmap &bitmap = *list.Bitmaps(static_cast<int>(i));
        EXPECT_EQ(bitmap.width(), entries[i].width) << i;
        EXPECT_EQ(bitmap.height(), entries[i].height) << i;
        EXPECT_EQ(bitmap.pixelFormat(), entries[i].format) << i;
        EXPECT_EQ(bitmap.palette().size(), entries[i].tableSize) << i;
    }
}

std::unique_ptr<TMMBitmapList> loadList(const char *name)
{
    auto list = std::make_unique<TMMBitmapList>();
    list->LoadListItems(readFile(name));
    return list;
}

// Mean difference per channel of two pictures once both are stretched to the card.
double cardDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.scaled(82, 82, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage y = b.scaled(82, 82, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double total = 0;
    for (int row = 0; row < 82; ++row) {
        for (int column = 0; column < 82; ++column) {
            const QRgb p = x.pixel(column, row);
            const QRgb q = y.pixel(column, row);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return total / (82.0 * 82.0 * 3.0);
}

constexpr TColor kWhite = 0x00FFFFFF;
constexpr TColor kMagenta = 0x00FF00FF;

} // namespace

TEST(ShippedPictures, MainWindowListHoldsTheBackAndTwentyFacesInTheirFormats)
{
    const auto list = loadList("memo.mbml");
    using enum PixelFormat;
    expectEntries(*list,
        {{119, 135, Bits16, 256}, {84, 107, Bits8, 256}, {100, 112, Bits8, 256}, {114, 112, Bits8, 256},
            {138, 146, Bits8, 256}, {98, 114, Bits8, 256}, {120, 106, Bits8, 256}, {105, 83, Bits8, 256},
            {88, 160, Bits8, 256}, {125, 90, Bits8, 256}, {127, 94, Bits8, 256}, {132, 92, Bits8, 256},
            {140, 88, Bits8, 256}, {83, 85, Bits8, 256}, {106, 97, Bits8, 256}, {89, 120, Bits8, 256},
            {122, 90, Bits8, 256}, {84, 115, Bits8, 256}, {102, 148, Bits8, 256}, {111, 89, Bits8, 256},
            {134, 119, Bits8, 256}});
    EXPECT_EQ(list->Bitmaps(0)->masks(), kMasks555);
}

TEST(ShippedPictures, FacesLieOnWhiteAndDifferFromEachOtherAndFromTheBack)
{
    const auto list = loadList("memo.mbml");
    ASSERT_EQ(list->Count(), 21);
    const TBitmap &back = *list->Bitmaps(0);
    const TColor corner = back.pixel(0, 0);
    EXPECT_LT(corner & 0xFF, 0x40U) << "the back's field is cyan: little red";
    EXPECT_GT((corner >> 8) & 0xFF, 0xA0U);
    EXPECT_GT((corner >> 16) & 0xFF, 0xA0U);

    std::vector<QImage> pictures;
    for (int i = 0; i < 21; ++i) {
        const TBitmap &face = *list->Bitmaps(i);
        if (i > 0) {
            EXPECT_EQ(face.pixel(0, 0), kWhite) << i;
            EXPECT_EQ(face.pixel(face.width() - 1, face.height() - 1), kWhite) << i;
            EXPECT_NE(face.pixel(face.width() / 2, face.height() / 2), kWhite) << i;
        }
        pictures.push_back(face.displayImage());
    }
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        for (std::size_t j = i + 1; j < pictures.size(); ++j)
            EXPECT_GT(cardDifference(pictures[i], pictures[j]), 8.0) << i << " and " << j;
    }
}

// The lists are the pictures at scale 1, byte for byte; finer pictures go beside them.
TEST(ShippedPictures, ListStreamsKeepTheirBytes)
{
    const std::map<std::string, QByteArray> sha256 {
        {"memo.mbml", "befa04c1c69f3ec31cded146b6651faf2449bc79d12a0eb8d270000a4f1c95a6"},
        {"escolhe.mbml", "c2374fda46552130113ea31d70a82e7c6c62fa3708ad1b43432a4143f8a2fc4b"},
        {"opcoes.mbml", "b2c0e881b47b41793775409e59b8991423540e8bab761acd62cf7334738eb2ba"}};
    for (const auto &[name, expected] : sha256) {
        const std::vector<std::uint8_t> bytes = readFile(name);
        const QByteArray digest = QCryptographicHash::hash(
            QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())), QCryptographicHash::Sha256);
        EXPECT_EQ(digest.toHex(), expected) << name;
    }
}

QImage readImage(const std::string &name)
{
    const std::vector<std::uint8_t> file = readFile(name);
    return QImage::fromData(file.data(), static_cast<int>(file.size())).convertToFormat(QImage::Format_RGB32);
}

// Each fine companion shows what its picture shows: brought down to the card, it is as close to
// that picture as the font's bitmaps and the vector drawings allow, and far from every other.
TEST(ShippedPictures, EachCardHasAFineCompanionOfTheSameDrawing)
{
    const auto list = loadList("memo.mbml");
    ASSERT_EQ(list->Count(), 21);
    std::vector<QImage> companions;
    for (int i = 0; i < 21; ++i) {
        companions.push_back(readImage("fine/memo/" + std::to_string(i) + ".png"));
        EXPECT_EQ(companions.back().size(), QSize(246, 246)) << i;
    }
    for (int i = 0; i < 21; ++i) {
        const QImage picture = list->Bitmaps(i)->displayImage();
        const double own = cardDifference(picture, companions[static_cast<std::size_t>(i)]);
        EXPECT_LT(own, 15.0) << i;
        for (int j = 0; j < 21; ++j) {
            if (j != i) {
                EXPECT_GT(cardDifference(picture, companions[static_cast<std::size_t>(j)]), own + 10.0)
                    << i << " against " << j;
            }
        }
    }
}

TEST(ShippedPictures, GlyphStripsAndTheAboutPictureHaveFineCompanionsOfTheSameDrawing)
{
    const auto gameType = loadList("escolhe.mbml");
    const auto options = loadList("opcoes.mbml");
    const std::vector<std::pair<QImage, std::string>> cases {
        {gameType->Bitmaps(8)->displayImage(), "fine/escolhe/8.png"},
        {gameType->Bitmaps(9)->displayImage(), "fine/escolhe/9.png"},
        {options->Bitmaps(0)->displayImage(), "fine/opcoes/0.png"},
        {options->Bitmaps(1)->displayImage(), "fine/opcoes/1.png"},
        {readImage("about.bmp"), "fine/about.png"}};
    for (const auto &[picture, companionName] : cases) {
        const QImage companion = readImage(companionName);
        EXPECT_EQ(companion.size(), picture.size() * 3) << companionName;
        const QImage reduced
            = companion.scaled(picture.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        double total = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb p = picture.pixel(x, y);
                const QRgb q = reduced.pixel(x, y);
                total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                    + std::abs(qBlue(p) - qBlue(q));
            }
        }
        EXPECT_LT(total / (picture.width() * picture.height() * 3.0), 12.0) << companionName;
    }
}

TEST(ShippedPictures, DialogListsHoldTheGlyphStripAtTheIndicesTheButtonsUse)
{
    const auto gameType = loadList("escolhe.mbml");
    using enum PixelFormat;
    expectEntries(*gameType,
        {{216, 25, Bits24, 0}, {126, 30, Bits24, 0}, {126, 30, Bits24, 0}, {87, 20, Bits8, 256},
            {84, 15, Bits8, 256}, {51, 11, Bits8, 256}, {168, 14, Bits8, 256}, {225, 14, Bits24, 0},
            {34, 17, Bits24, 20}, {34, 17, Bits24, 0}, {58, 29, Bits8, 256}, {216, 25, Bits8, 256}});
    const auto options = loadList("opcoes.mbml");
    expectEntries(*options, {{34, 17, Bits24, 20}, {34, 17, Bits24, 0}});
    EXPECT_EQ(options->Bitmaps(0)->pixels(), gameType->Bitmaps(8)->pixels());
    EXPECT_EQ(options->Bitmaps(1)->pixels(), gameType->Bitmaps(9)->pixels());

    for (const int index : {8, 9}) {
        const TBitmap &strip = *gameType->Bitmaps(index);
        EXPECT_EQ(strip.pixel(0, 16), kMagenta) << index;
        EXPECT_NE(strip.pixel(8, 8), kMagenta) << index;
        EXPECT_NE(strip.pixel(25, 8), kMagenta) << index;
        int framesDiffer = 0;
        for (int y = 0; y < 17; ++y) {
            for (int x = 0; x < 17; ++x)
                framesDiffer += strip.pixel(x, y) != strip.pixel(x + 17, y) ? 1 : 0;
        }
        EXPECT_GT(framesDiffer, 50) << index;
    }
}

// Pictures with more than 8 bits and a colour table say in their header that the pixels follow
// the header (and masks) at once, as the stored lists do; the lists above load them correctly.
TEST(ShippedPictures, DirectPicturesWithATableLeaveItOutOfTheirHeader)
{
    const std::vector<std::uint8_t> memo = readFile("memo.mbml");
    const auto memoImages = records(memo);
    ASSERT_EQ(memoImages.size(), 21U);
    EXPECT_EQ(readU32(memoImages[0], 10), 66U);
    EXPECT_EQ(readU32(memoImages[0], 2), 66U + 240U * 135U);
    EXPECT_EQ(readU32(memoImages[1], 10), 14U + 40U + 1024U);

    const std::vector<std::uint8_t> gameType = readFile("escolhe.mbml");
    const auto gameTypeImages = records(gameType);
    ASSERT_EQ(gameTypeImages.size(), 12U);
    EXPECT_EQ(readU32(gameTypeImages[8], 10), 54U);
    EXPECT_EQ(readU32(gameTypeImages[8], 2), 54U + 104U * 17U);
    EXPECT_GT(gameTypeImages[8].size(), readU32(gameTypeImages[8], 2));
    EXPECT_EQ(gameTypeImages[9].size(), readU32(gameTypeImages[9], 2));
}

struct CursorCase {
    int number;
    int hotX;
    int hotY;
};

class ShippedHandCursor : public testing::TestWithParam<CursorCase> { };

TEST_P(ShippedHandCursor, IsATwoColourCursorWithItsHotSpot)
{
    const CursorCase c = GetParam();
    const std::vector<std::uint8_t> file = readFile("cursors/" + std::to_string(c.number) + ".cur");
    ASSERT_GE(file.size(), 22U);
    EXPECT_EQ(readU16(file, 2), 2);
    EXPECT_EQ(file[6], 32);
    EXPECT_EQ(file[7], 32);
    EXPECT_EQ(file[8], 2);
    EXPECT_EQ(readU16(file, 10), c.hotX);
    EXPECT_EQ(readU16(file, 12), c.hotY);

    const QImage image = QImage::fromData(file.data(), static_cast<int>(file.size()), "CUR")
                             .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(32, 32));
    QSet<QRgb> colours;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            colours.insert(image.pixel(x, y));
    }
    EXPECT_EQ(colours, (QSet<QRgb> {qRgba(0, 0, 0, 0), qRgb(0, 0, 0), qRgb(255, 255, 255)}));
}

INSTANTIATE_TEST_SUITE_P(Hands, ShippedHandCursor,
    testing::Values(CursorCase {15000, 6, 0}, CursorCase {15001, 13, 9}, CursorCase {15002, 4, 2},
        CursorCase {15003, 0, 0}, CursorCase {15004, 0, 0}));

TEST(ShippedPictures, LibraryCursorsAreReadableWithAHotSpotInside)
{
    for (int number = 2001; number <= 2031; ++number) {
        const std::vector<std::uint8_t> file = readFile("cursors/" + std::to_string(number) + ".cur");
        ASSERT_GE(file.size(), 22U) << number;
        EXPECT_EQ(readU16(file, 2), 2) << number;
        EXPECT_LT(readU16(file, 10), 32) << number;
        EXPECT_LT(readU16(file, 12), 32) << number;
        const QImage image = QImage::fromData(file.data(), static_cast<int>(file.size()), "CUR");
        EXPECT_EQ(image.size(), QSize(32, 32)) << number;
    }
}

struct IconCase {
    const char *file;
    int side;
};

class ShippedIcon : public testing::TestWithParam<IconCase> { };

TEST_P(ShippedIcon, HasItsSizeAndAtMostSixteenColoursOnAClearGround)
{
    const IconCase c = GetParam();
    const std::vector<std::uint8_t> file = readFile(std::string("icons/") + c.file);
    const QImage image
        = QImage::fromData(file.data(), static_cast<int>(file.size())).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(c.side, c.side));
    QSet<QRgb> opaque;
    int clear = 0;
    for (int y = 0; y < c.side; ++y) {
        for (int x = 0; x < c.side; ++x) {
            if (qAlpha(image.pixel(x, y)) == 0)
                ++clear;
            else
                opaque.insert(image.pixel(x, y));
        }
    }
    EXPECT_LE(opaque.size(), 16);
    EXPECT_GE(opaque.size(), 4);
    EXPECT_GT(clear, 0);
}

INSTANTIATE_TEST_SUITE_P(Icons, ShippedIcon,
    testing::Values(IconCase {"main.ico", 32}, IconCase {"main.png", 32}, IconCase {"help.ico", 16},
        IconCase {"help.png", 16}, IconCase {"help-item.png", 16}));

TEST(ShippedPictures, AboutPictureIsTwentyFourBitsOfTheControlsSize)
{
    const DibPixels about = decodeBmp(readFile("about.bmp"));
    EXPECT_EQ(about.width, 234);
    EXPECT_EQ(about.height, 60);
    EXPECT_EQ(about.format, PixelFormat::Bits24);
}
