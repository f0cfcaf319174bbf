// SPDX-License-Identifier: MIT
#include "BitmapTestImages.h"
#include "Exceptions.h"
#include "MMBitmapListTestSupport.h"
#include "MemoryStream.h"

#include <cstring>

namespace brivmemo {
namespace {

using testing::Log;
using testing::put32;
using testing::taggedBitmap;
using testing::tagOf;
using Bytes = std::vector<std::uint8_t>;

Bytes plainStream(const std::vector<Bytes> &images, const char *magic = "MBML")
{
    Bytes out(magic, magic + 4);
    put32(out, static_cast<std::uint32_t>(images.size()));
    for (const auto &image : images) {
        put32(out, static_cast<std::uint32_t>(image.size()));
        out.insert(out.end(), image.begin(), image.end());
    }
    return out;
}

Bytes streamWithCount(std::int32_t count)
{
    Bytes out {'M', 'B', 'M', 'L'};
    put32(out, static_cast<std::uint32_t>(count));
    return out;
}

Bytes written(TMMBitmapList &list)
{
    TMemoryStream stream;
    list.WriteListItems(stream);
    return stream.bytes();
}

class BitmapListStream : public testing::LoggedList {
protected:
    // One picture of each kind the card set holds, and an empty one.
    void fillWithEveryKind()
    {
        list.Add(*taggedBitmap(1, PixelFormat::Bits8));
        auto back = taggedBitmap(2, PixelFormat::Bits16);
        back->setPalette(std::vector<TColor>(256, clAqua));
        list.Add(*back);
        auto glyphs = taggedBitmap(3, PixelFormat::Bits24);
        glyphs->setPalette(std::vector<TColor>(20, clFuchsia));
        list.Add(*glyphs);
        list.Add(*taggedBitmap(4, PixelFormat::Bits4));
        list.Add(TBitmap());
        log.clear();
    }

    // Cuts a stream of two items at every byte: the load fails with a stream error, keeps the
    // item that was complete and still tells the observers once.
    void expectEveryCutFails(const Bytes &whole, std::size_t firstItemEnd)
    {
        for (std::size_t length = 0; length < whole.size(); ++length) {
            log.clear();
            const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
            EXPECT_THROW(list.LoadListItems(cut), EStreamError) << length;
            EXPECT_EQ(list.Count(), length >= firstItemEnd ? 1 : 0) << length;
            EXPECT_EQ(log, (Log {"changing", "change"})) << length;
            EXPECT_EQ(list.UpdateCount(), 0);
        }
    }

    void expectSameEntries(TMMBitmapList &other)
    {
        ASSERT_EQ(other.Count(), list.Count());
        for (int i = 0; i < list.Count(); ++i)
            EXPECT_EQ(other.Bitmaps(i)->pixels(), list.Bitmaps(i)->pixels()) << i;
    }
};

TEST_F(BitmapListStream, PlainRoundTrip)
{
    fillWithEveryKind();
    const Bytes bytes = written(list);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 4), (Bytes {'M', 'B', 'M', 'L'}));
    Bytes expected = streamWithCount(5);
    for (int i = 0; i < list.Count(); ++i) {
        const Bytes image = list.Bitmaps(i)->toBytes();
        put32(expected, static_cast<std::uint32_t>(image.size()));
        expected.insert(expected.end(), image.begin(), image.end());
    }
    EXPECT_EQ(bytes, expected);

    TMMBitmapList loaded;
    loaded.LoadListItems(bytes);
    expectSameEntries(loaded);
    EXPECT_TRUE(log.empty());
}

TEST_F(BitmapListStream, PackedRoundTrip)
{
    fillWithEveryKind();
    // Large enough to be cut into several chunks.
    auto large = std::make_unique<TBitmap>();
    large->create(PixelFormat::Bits24, 200, 150);
    for (int y = 0; y < 150; ++y)
        large->setPixel(y % 200, y, static_cast<TColor>(y * 0x10203));
    list.Add(*large);
    list.SetCompressed(true);

    const Bytes bytes = written(list);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 4), (Bytes {'M', 'B', 'M', 'C'}));
    EXPECT_LT(bytes.size(), large->toBytes().size());
    TMMBitmapList loaded;
    loaded.LoadListItems(bytes);
    expectSameEntries(loaded);
}

TEST_F(BitmapListStream, EmptyListWritesMagicAndZero)
{
    EXPECT_EQ(written(list), streamWithCount(0));
}

struct CountCase {
    const char *name;
    std::int32_t count;
};

class BitmapListCount : public testing::LoggedList, public ::testing::WithParamInterface<CountCase> { };

TEST_P(BitmapListCount, NoItemsLoadAsAnEmptyListWithOneBroadcast)
{
    fill(3);
    observe("A");
    list.LoadListItems(streamWithCount(GetParam().count));
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(log, (Log {"changing", "A", "change"}));
}

INSTANTIATE_TEST_SUITE_P(ZeroAndNegative, BitmapListCount,
    ::testing::Values(CountCase {"Zero", 0}, CountCase {"MinusOne", -1}, CountCase {"Smallest", INT32_MIN}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(BitmapListStream, WholeLoadIsOneBroadcast)
{
    observe("A");
    list.LoadListItems(plainStream({testing::tinyBmp24(), testing::tinyBmp24(), {}}));
    EXPECT_EQ(list.Count(), 3);
    EXPECT_TRUE(list.Bitmaps(2)->isEmpty());
    EXPECT_EQ(log, (Log {"changing", "A", "change"}));
}

class BitmapListMagic : public testing::LoggedList, public ::testing::WithParamInterface<const char *> { };

TEST_P(BitmapListMagic, WrongMagicFailsAndLeavesTheListEmpty)
{
    fill(2);
    observe("A");
    try {
        list.LoadListItems(plainStream({testing::tinyBmp24()}, GetParam()));
        FAIL() << "loaded";
    } catch (const EInvalidBitmapListStream &e) {
        EXPECT_STREQ(e.what(), "Invalid BitmapList stream");
    }
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(log, (Log {"changing", "A", "change"}));
}

INSTANTIATE_TEST_SUITE_P(
    Magics, BitmapListMagic, ::testing::Values("MBMX", "mbml", "LMBM", "BM\x36\x00", "\0\0\0\0"));

TEST_F(BitmapListStream, PlainStreamCutAnywhereIsAReadError)
{
    const Bytes first = testing::tinyBmp24();
    const Bytes whole = plainStream({first, testing::tinyBmp24()});
    expectEveryCutFails(whole, 8 + 4 + first.size());
    EXPECT_THROW(list.LoadListItems(Bytes(whole.begin(), whole.begin() + 10)), EReadError);
}

TEST_F(BitmapListStream, PackedStreamCutAnywhereIsAStreamError)
{
    list.Add(*taggedBitmap(1));
    list.Add(*taggedBitmap(2));
    list.SetCompressed(true);
    const Bytes whole = written(list);
    const std::size_t firstRecord = 4 + (whole[8] | (whole[9] << 8));
    expectEveryCutFails(whole, 8 + firstRecord);
}

TEST_F(BitmapListStream, ItemLengthBeyondTheStreamIsAReadError)
{
    for (const std::uint32_t length : {0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 100u}) {
        Bytes bytes = streamWithCount(1);
        put32(bytes, length);
        bytes.resize(bytes.size() + 60, 0);
        try {
            list.LoadListItems(bytes);
            FAIL() << length;
        } catch (const EReadError &e) {
            EXPECT_STREQ(e.what(), "Stream read error");
        }
    }
}

TEST_F(BitmapListStream, BadImageFailsAndKeepsTheEarlierItems)
{
    auto broken = testing::tinyBmp24();
    broken[0] = 'X';
    try {
        list.LoadListItems(plainStream({testing::tinyBmp24(), broken, testing::tinyBmp24()}));
        FAIL() << "loaded";
    } catch (const EInvalidGraphic &e) {
        EXPECT_STREQ(e.what(), "Bitmap image is not valid");
    }
    EXPECT_EQ(list.Count(), 1);
}

// The radio glyph strips and the card back carry a colour table that their file header counts
// out, so their record is longer than the header says the file is.
TEST_F(BitmapListStream, RecordLongerThanTheFileSizeKeepsItsColourTable)
{
    TBitmap strip;
    strip.create(PixelFormat::Bits24, 34, 17);
    strip.setPalette(std::vector<TColor>(20, clTeal));
    strip.setPixel(0, 16, clFuchsia);
    BmpWriteOptions options;
    options.pixelOffsetField = 54;
    options.fileSizeField = static_cast<std::uint32_t>(54 + strip.pixels().bits.size());
    const Bytes image = strip.toBytes(options);
    ASSERT_GT(image.size(), *options.fileSizeField);

    list.LoadListItems(plainStream({image}));
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Bitmaps(0)->palette().size(), 20u);
    EXPECT_EQ(list.Bitmaps(0)->pixel(0, 16), clFuchsia);
}

TEST_F(BitmapListStream, ReadStreamPositionsAfterTheList)
{
    Bytes bytes = plainStream({testing::tinyBmp24()});
    const std::size_t end = bytes.size();
    bytes.push_back(0xAA);
    TMemoryStream stream(bytes);
    list.ReadListItems(stream);
    EXPECT_EQ(stream.position(), end);
    EXPECT_EQ(list.Bitmaps(0)->pixel(1, 1), clWhite);
    EXPECT_EQ(tagOf(*list.Bitmaps(0)), 0xFF0000u);
}

} // namespace
} // namespace brivmemo
