// SPDX-License-Identifier: MIT
#include "BlockPacker.h"
#include "BlockPackerTestSupport.h"
#include "ByteReader.h"
#include "Exceptions.h"
#include "MemoryStream.h"

#include <gtest/gtest.h>
#include <string>

namespace brivmemo {
namespace {

using testing::Bytes;
using testing::Content;
using testing::MakeContent;

const Bytes kPrefix = {'H', 'E', 'A', 'D'};
const Bytes kSuffix = {'T', 'A', 'I', 'L'};

Bytes Le32(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    return {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
        static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
}

Bytes Join(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const auto &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Half packable, half not, so an item has both block kinds.
Bytes MakeItem(std::size_t size)
{
    Bytes item = MakeContent(Content::Runs, size / 2, 11);
    const Bytes noise = MakeContent(Content::Random, size - item.size(), 12);
    item.insert(item.end(), noise.begin(), noise.end());
    return item;
}

Bytes Pack(const Bytes &item)
{
    TMemoryStream source(item);
    TMemoryStream target;
    PackStream(source, target, static_cast<std::int32_t>(item.size()));
    return target.bytes();
}

Bytes Unpack(const Bytes &record)
{
    TMemoryStream source(record);
    TMemoryStream target;
    UnpackStream(source, target);
    return target.bytes();
}

class StreamRoundTrip : public ::testing::TestWithParam<std::size_t> { };

TEST_P(StreamRoundTrip, WritesChunkRecordsThatReadBackToTheItem)
{
    const std::size_t size = GetParam();
    const Bytes item = MakeItem(size);
    TMemoryStream source(Join({kPrefix, item, kSuffix}));
    source.setPosition(kPrefix.size());
    TMemoryStream target(kPrefix);
    target.setPosition(kPrefix.size());

    PackStream(source, target, static_cast<std::int32_t>(size));

    EXPECT_EQ(source.position(), kPrefix.size() + size) << "exactly size bytes are taken";
    EXPECT_EQ(target.position(), target.size()) << "the target is left after the record";
    const Bytes &written = target.bytes();
    ASSERT_TRUE(std::equal(kPrefix.begin(), kPrefix.end(), written.begin()));

    ByteReader reader(std::span<const std::uint8_t>(written).subspan(kPrefix.size()));
    const std::uint32_t total = reader.readU32LE();
    EXPECT_EQ(total, reader.remaining());
    std::size_t chunks = 0;
    Bytes joined;
    while (!reader.atEnd()) {
        const auto block = reader.readBytes(reader.readU32LE());
        const Bytes chunk = UnpackBlock(block);
        if (!reader.atEnd()) {
            EXPECT_EQ(chunk.size(), kChunkSize) << "chunk " << chunks;
        }
        joined.insert(joined.end(), chunk.begin(), chunk.end());
        ++chunks;
    }
    EXPECT_EQ(chunks, (size + kChunkSize - 1) / kChunkSize);
    EXPECT_EQ(joined, item);

    TMemoryStream back(Join({Bytes(written.begin() + 4, written.end()), kSuffix}));
    TMemoryStream unpacked(kPrefix);
    unpacked.setPosition(kPrefix.size());
    UnpackStream(back, unpacked);
    EXPECT_EQ(back.position(), written.size() - 4) << "exactly the record is read";
    EXPECT_EQ(unpacked.bytes(), Join({kPrefix, item}));
}

INSTANTIATE_TEST_SUITE_P(BlockPacker, StreamRoundTrip,
    ::testing::Values(0, 1, 2, 3, 32780, 32781, 32782, 65561, 65562, 65563, 100000),
    [](const auto &info) { return "Size" + std::to_string(info.param); });

TEST(PackStream, SizeOfZeroOrLessWritesAnEmptyRecord)
{
    for (const std::int32_t size : {0, -1, -100000}) {
        TMemoryStream source(Bytes {1, 2, 3});
        TMemoryStream target;
        PackStream(source, target, size);
        EXPECT_EQ(target.bytes(), Le32(0)) << size;
        EXPECT_EQ(source.position(), 0u) << size;
    }
}

TEST(PackStream, ShortSourceIsAReadErrorThatWritesNothing)
{
    const Bytes item = MakeItem(40000);
    TMemoryStream source(item);
    TMemoryStream target(kPrefix);
    EXPECT_THROW(PackStream(source, target, 40001), EReadError);
    EXPECT_EQ(target.bytes(), kPrefix);
}

TEST(PackStream, ItemWhoseTotalWouldNotFitIsRefused)
{
    TMemoryStream source(Bytes {1});
    TMemoryStream target;
    EXPECT_THROW(PackStream(source, target, kMaxItemSize + 1), EInvalidBitmapListStream);
    EXPECT_EQ(target.size(), 0u);
}

TEST(UnpackStream, ItemsBackToBackReadOneAtATime)
{
    const Bytes first = MakeItem(33000);
    const Bytes second = MakeItem(10);
    TMemoryStream source(Join({Pack(first), Pack(second)}));
    TMemoryStream one;
    TMemoryStream two;
    UnpackStream(source, one);
    UnpackStream(source, two);
    EXPECT_EQ(one.bytes(), first);
    EXPECT_EQ(two.bytes(), second);
    EXPECT_EQ(source.remaining(), 0u);
}

TEST(UnpackStream, RecordCutAnywhereIsAReadErrorThatAppendsNothing)
{
    // A packed first chunk and a short stored second one keep the record small.
    Bytes item(kChunkSize, 0x33);
    const Bytes tail = MakeContent(Content::Random, 5, 3);
    item.insert(item.end(), tail.begin(), tail.end());
    const Bytes record = Pack(item);
    ASSERT_LT(record.size(), 64u);
    for (std::size_t cut = 0; cut < record.size(); ++cut) {
        TMemoryStream source(std::span<const std::uint8_t>(record).first(cut));
        TMemoryStream target;
        EXPECT_THROW(UnpackStream(source, target), EReadError) << "cut at " << cut;
        EXPECT_EQ(target.size(), 0u) << "cut at " << cut;
    }
}

struct CorruptRecord {
    std::string name;
    Bytes record;
};

class CorruptRecords : public ::testing::TestWithParam<CorruptRecord> { };

TEST_P(CorruptRecords, AreInvalidStreams)
{
    EXPECT_THROW(Unpack(GetParam().record), EInvalidBitmapListStream);
}

INSTANTIATE_TEST_SUITE_P(BlockPacker, CorruptRecords,
    ::testing::Values(CorruptRecord {"NegativeTotal", Le32(-5)},
        CorruptRecord {"TotalTooSmallForALength", Join({Le32(3), {1, 2, 3}})},
        CorruptRecord {"TotalTooSmallForTheBlock", Join({Le32(6), Le32(3), {0x80, 'a', 'b'}})},
        CorruptRecord {"LeftoverTotalTooSmall", Join({Le32(8), Le32(2), {0x80, 'a'}, {0x00, 0x00}})},
        CorruptRecord {"ZeroLength", Join({Le32(8), Le32(0), Le32(1)})},
        CorruptRecord {"NegativeLength", Join({Le32(12), Le32(-4), Le32(1), Le32(1)})},
        CorruptRecord {"LengthBeyondTheLongestBlock",
            Join({Le32(kMaxBlockSize + 5), Le32(kMaxBlockSize + 1), Bytes(kMaxBlockSize + 1, 0x80)})},
        CorruptRecord {"CorruptBlock", Join({Le32(8), Le32(4), {0x40, 0x80, 0x00, 0x00}})}),
    [](const auto &info) { return info.param.name; });

TEST(UnpackStream, EmptyRecordAppendsNothing)
{
    EXPECT_TRUE(Unpack(Le32(0)).empty());
}

} // namespace
} // namespace brivmemo
