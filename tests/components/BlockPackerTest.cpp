// SPDX-License-Identifier: MIT
#include "BlockPacker.h"

#include "BlockPackerTestSupport.h"
#include "Exceptions.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace brivmemo {
namespace {

using testing::Bytes;
using testing::Content;
using testing::MakeContent;
using testing::TokenWriter;

Bytes Repeat(std::size_t count, std::uint8_t value)
{
    return Bytes(count, value);
}

Bytes Concat(Bytes a, const Bytes &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes Sequence(std::uint8_t first, std::size_t count)
{
    Bytes bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<std::uint8_t>(first + i);
    return bytes;
}

struct KnownBlock {
    std::string name;
    Bytes chunk;
    Bytes block;
};

class KnownBlocks : public ::testing::TestWithParam<KnownBlock> { };

TEST_P(KnownBlocks, PackToExactBytesAndUnpackBack)
{
    const auto &known = GetParam();
    EXPECT_EQ(PackBlock(known.chunk), known.block);
    EXPECT_EQ(UnpackBlock(known.block), known.chunk);
}

INSTANTIATE_TEST_SUITE_P(BlockPacker, KnownBlocks,
    ::testing::Values(KnownBlock {"Empty", {}, {0x80}}, KnownBlock {"OneByte", {0x7E}, {0x80, 0x7E}},
        KnownBlock {"TwoBytes", {0x01, 0x01}, {0x80, 0x01, 0x01}},
        KnownBlock {"ThreeEqualBytes", Repeat(3, 0x09), {0x80, 0x09, 0x09, 0x09}},
        KnownBlock {"FifteenEqualBytes", Repeat(15, 0x5A), {0x40, 0x40, 0x00, 0x5A, 0x00, 0x1B}},
        KnownBlock {"SixteenEqualBytes", Repeat(16, 0x5A), {0x40, 0x80, 0x00, 0x00, 0x00, 0x00, 0x5A}},
        KnownBlock {"Run4095", Repeat(4095, 0xC3), {0x40, 0x80, 0x00, 0x00, 0x0F, 0xEF, 0xC3}},
        KnownBlock {"Run4096", Repeat(4096, 0xC3), {0x40, 0x80, 0x00, 0x00, 0x0F, 0xEF, 0xC3, 0xC3}},
        KnownBlock {"OverlappingReference", {'a', 'b', 'c', 'a', 'b', 'c', 'a', 'b', 'c', 'a', 'b', 'c'},
            {0x40, 0x10, 0x00, 'a', 'b', 'c', 0x00, 0x36}},
        KnownBlock {"PackedAsLongAsTheChunk", {'a', 'b', 'c', 'd', 'e', 'a', 'b', 'c', 'd', 'e'},
            {0x40, 0x04, 0x00, 'a', 'b', 'c', 'd', 'e', 0x00, 0x52}},
        KnownBlock {"SecondControlWord", Concat(Sequence(0, 16), Repeat(16, 0xAA)),
            Concat(Concat({0x40, 0x00, 0x00}, Sequence(0, 16)), {0x80, 0x00, 0x00, 0x00, 0x00, 0xAA})}),
    [](const auto &info) { return info.param.name; });

TEST(BlockPacker, IncompressibleFullChunkIsStoredBehindItsFlag)
{
    const Bytes chunk = MakeContent(Content::Random, kChunkSize, 7);
    const Bytes block = PackBlock(chunk);
    ASSERT_EQ(block.size(), kMaxBlockSize);
    EXPECT_EQ(block[0], kStoredBlockFlag);
    EXPECT_TRUE(std::equal(chunk.begin(), chunk.end(), block.begin() + 1));
    EXPECT_EQ(UnpackBlock(block), chunk);
}

TEST(BlockPacker, ChunkLongerThanAChunkIsRefused)
{
    EXPECT_THROW(PackBlock(Bytes(kChunkSize + 1, 0)), std::invalid_argument);
}

struct RoundTripCase {
    Content content;
    std::size_t size;
};

class BlockRoundTrip : public ::testing::TestWithParam<RoundTripCase> { };

TEST_P(BlockRoundTrip, UnpackGivesTheChunkBackFromABlockNoLongerThanOneMore)
{
    const auto [content, size] = GetParam();
    for (std::uint32_t seed = 1; seed <= 3; ++seed) {
        const Bytes chunk = MakeContent(content, size, seed);
        const Bytes block = PackBlock(chunk);
        ASSERT_LE(block.size(), size + 1);
        EXPECT_EQ(block[0], block.size() == size + 1 ? kStoredBlockFlag : kPackedBlockFlag);
        ASSERT_EQ(UnpackBlock(block), chunk) << "seed " << seed;
    }
}

std::vector<RoundTripCase> RoundTripCases()
{
    std::vector<RoundTripCase> cases;
    for (const auto content : {Content::Random, Content::FewSymbols, Content::Runs, Content::Text})
        for (const std::size_t size :
            {1, 2, 3, 4, 5, 17, 18, 19, 100, 4095, 4096, 4097, 8191, 20000, 32780, 32781})
            cases.push_back({content, size});
    return cases;
}

std::string RoundTripName(const ::testing::TestParamInfo<RoundTripCase> &info)
{
    static const char *const kNames[] = {"Random", "FewSymbols", "Runs", "Text"};
    return std::string(kNames[static_cast<int>(info.param.content)]) + "_" + std::to_string(info.param.size);
}

INSTANTIATE_TEST_SUITE_P(BlockPacker, BlockRoundTrip, ::testing::ValuesIn(RoundTripCases()), RoundTripName);

// 32760 equal bytes: 21 short of a full chunk.
TokenWriter EightLongRuns()
{
    TokenWriter writer;
    for (int i = 0; i < 8; ++i)
        writer.run(4095, 1);
    return writer;
}

struct DecodeCase {
    std::string name;
    Bytes block;
    Bytes chunk;
};

class ValidBlocks : public ::testing::TestWithParam<DecodeCase> { };

TEST_P(ValidBlocks, UnpackToTheirBytes)
{
    EXPECT_EQ(UnpackBlock(GetParam().block), GetParam().chunk);
}

INSTANTIATE_TEST_SUITE_P(BlockPacker, ValidBlocks,
    ::testing::Values(DecodeCase {"StoredEmpty", {0x80}, {}},
        DecodeCase {"PackedEmpty", {0x40, 0x00, 0x00}, {}},
        DecodeCase {"ControlBitsWithoutTokens", {0x40, 0xFF, 0xFF}, {}},
        DecodeCase {"AnyOtherFlagIsPacked", {0x13, 0x00, 0x00, 'q'}, {'q'}},
        DecodeCase {"OffsetOneLength18", TokenWriter().literal(7).reference(1, 18).bytes(), Repeat(19, 7)},
        DecodeCase {"OffsetTwoOverlap", TokenWriter().literal('a').literal('b').reference(2, 7).bytes(),
            {'a', 'b', 'a', 'b', 'a', 'b', 'a', 'b', 'a'}},
        DecodeCase {"ReferenceWithoutOverlap",
            TokenWriter().literal('x').literal('y').literal('z').reference(3, 3).bytes(),
            {'x', 'y', 'z', 'x', 'y', 'z'}},
        DecodeCase {"FarthestReference", TokenWriter().literal(1).run(4094, 0).reference(4095, 3).bytes(),
            Concat(Concat({1}, Repeat(4094, 0)), {1, 0, 0})},
        DecodeCase {"LongestRun", TokenWriter().run(4111, 0xEE).bytes(), Repeat(4111, 0xEE)},
        DecodeCase {
            "FullChunkEndingInRun", TokenWriter(EightLongRuns()).run(21, 1).bytes(), Repeat(kChunkSize, 1)},
        DecodeCase {"FullChunkEndingInReference",
            TokenWriter(EightLongRuns()).run(18, 1).reference(1, 3).bytes(), Repeat(kChunkSize, 1)},
        DecodeCase {"FullChunkEndingInLiteral", TokenWriter(EightLongRuns()).run(20, 1).literal(1).bytes(),
            Repeat(kChunkSize, 1)}),
    [](const auto &info) { return info.param.name; });

Bytes SixteenLiterals()
{
    TokenWriter writer;
    for (std::uint8_t i = 0; i < 16; ++i)
        writer.literal(i);
    return writer.bytes();
}

struct CorruptCase {
    std::string name;
    Bytes block;
};

class CorruptBlocks : public ::testing::TestWithParam<CorruptCase> { };

TEST_P(CorruptBlocks, AreInvalidStreams)
{
    EXPECT_THROW(UnpackBlock(GetParam().block), EInvalidBitmapListStream);
}

INSTANTIATE_TEST_SUITE_P(BlockPacker, CorruptBlocks,
    ::testing::Values(CorruptCase {"NoFlag", {}}, CorruptCase {"NoControlWord", {0x40}},
        CorruptCase {"HalfControlWord", {0x40, 0x00}},
        CorruptCase {"CopyTokenCutAfterOneByte", {0x40, 0x80, 0x00, 0x00}},
        CorruptCase {"RunTokenCutAfterThreeBytes", {0x40, 0x80, 0x00, 0x00, 0x00, 0x00}},
        CorruptCase {"ReferenceWithNothingProduced", TokenWriter().reference(1, 3).bytes()},
        CorruptCase {"ReferenceBeforeTheStart", TokenWriter().literal('a').reference(2, 3).bytes()},
        CorruptCase {"NextControlWordCut", Concat(SixteenLiterals(), {0x00})},
        CorruptCase {"NextControlWordWithoutToken", Concat(SixteenLiterals(), {0x00, 0x00})},
        CorruptCase {"StoredBlockBeyondAChunk", Concat({0x80}, Repeat(kChunkSize + 1, 0))},
        CorruptCase {"RunBeyondAChunk", TokenWriter(EightLongRuns()).run(22, 1).bytes()},
        CorruptCase {
            "ReferenceBeyondAChunk", TokenWriter(EightLongRuns()).run(19, 1).reference(1, 3).bytes()},
        CorruptCase {"LiteralBeyondAChunk", TokenWriter(EightLongRuns()).run(21, 1).literal(1).bytes()}),
    [](const auto &info) { return info.param.name; });

TEST(FindMatch, ReportsTheLastEarlierPositionOfTheSameBytes)
{
    const Bytes chunk = {'a', 'b', 'c', 'd', 'a', 'b', 'c', 'd', 'a', 'b', 'c', 'd', 'a', 'b', 'x'};
    TMatchTable table {};
    EXPECT_FALSE(FindMatch(chunk, 0, table));
    const auto first = FindMatch(chunk, 4, table);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->position, 0u);
    EXPECT_EQ(first->length, 10u);
    const auto second = FindMatch(chunk, 8, table);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->position, 4u);
    EXPECT_EQ(second->length, 6u);
}

TEST(FindMatch, StopsAtEighteenBytesAndAtTheEndOfTheChunk)
{
    const Bytes chunk = Repeat(40, 'z');
    TMatchTable table {};
    FindMatch(chunk, 0, table);
    const auto longest = FindMatch(chunk, 1, table);
    ASSERT_TRUE(longest);
    EXPECT_EQ(longest->length, 18u);
    const auto nearEnd = FindMatch(chunk, 36, table);
    ASSERT_TRUE(nearEnd);
    EXPECT_EQ(nearEnd->position, 1u);
    EXPECT_EQ(nearEnd->length, 4u);
}

TEST(FindMatch, IgnoresTooFewBytesTooFarPositionsAndItsOwnPosition)
{
    TMatchTable table {};
    const Bytes shortChunk = {'a', 'a'};
    EXPECT_FALSE(FindMatch(shortChunk, 0, table));
    EXPECT_EQ(table, TMatchTable {}) << "nothing is entered when fewer than three bytes are left";

    const Bytes farChunk = Concat(Concat({'p', 'q', 'r'}, Repeat(4093, 0)), {'p', 'q', 'r', 'p', 'q', 'r'});
    FindMatch(farChunk, 0, table);
    EXPECT_FALSE(FindMatch(farChunk, 4096, table)) << "4096 bytes back is out of reach";
    const auto near = FindMatch(farChunk, 4099, table);
    ASSERT_TRUE(near) << "the far lookup still entered its own position";
    EXPECT_EQ(near->position, 4096u);

    TMatchTable same {};
    FindMatch(farChunk, 0, same);
    EXPECT_FALSE(FindMatch(farChunk, 0, same));
}

} // namespace
} // namespace brivmemo
