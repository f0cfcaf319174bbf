// SPDX-License-Identifier: MIT
#include "LittleEndian.h"

#include "ByteReader.h"
#include "ByteWriter.h"

#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace brivmemo {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Each number next to its bytes in file order, lowest first; every byte differs, so a swapped
// or shifted byte shows.
struct Number {
    std::uint32_t value;
    Bytes bytes;
};

const std::array<Number, 3> kNumbers16 {
    {{0x0000, {0x00, 0x00}}, {0x1234, {0x34, 0x12}}, {0xFFFE, {0xFE, 0xFF}}}};
const std::array<Number, 3> kNumbers24 {
    {{0x000000, {0x00, 0x00, 0x00}}, {0x123456, {0x56, 0x34, 0x12}}, {0xFEDCBA, {0xBA, 0xDC, 0xFE}}}};
const std::array<Number, 3> kNumbers32 {{{0x00000000, {0x00, 0x00, 0x00, 0x00}},
    {0x12345678, {0x78, 0x56, 0x34, 0x12}}, {0xFEDCBA98, {0x98, 0xBA, 0xDC, 0xFE}}}};

TEST(LittleEndian, LoadsAndStoresPutTheLowestByteFirst)
{
    for (const auto &[value, bytes] : kNumbers16) {
        EXPECT_EQ(loadU16LE(bytes.data()), value);
        Bytes stored(2);
        storeU16LE(stored.data(), static_cast<std::uint16_t>(value));
        EXPECT_EQ(stored, bytes) << std::hex << value;
    }
    for (const auto &[value, bytes] : kNumbers24) {
        EXPECT_EQ(loadU24LE(bytes.data()), value);
        Bytes stored(3);
        storeU24LE(stored.data(), value);
        EXPECT_EQ(stored, bytes) << std::hex << value;
    }
    for (const auto &[value, bytes] : kNumbers32) {
        EXPECT_EQ(loadU32LE(bytes.data()), value);
        Bytes stored(4);
        storeU32LE(stored.data(), value);
        EXPECT_EQ(stored, bytes) << std::hex << value;
    }
}

TEST(LittleEndian, StoresWriteOnlyTheirOwnBytes)
{
    Bytes bytes(6, 0xAA);
    storeU16LE(bytes.data() + 1, 0x0102);
    EXPECT_EQ(bytes, (Bytes {0xAA, 0x02, 0x01, 0xAA, 0xAA, 0xAA}));
    bytes.assign(6, 0xAA);
    storeU24LE(bytes.data() + 1, 0xFF030201);
    EXPECT_EQ(bytes, (Bytes {0xAA, 0x01, 0x02, 0x03, 0xAA, 0xAA}));
    bytes.assign(6, 0xAA);
    storeU32LE(bytes.data() + 1, 0x04030201);
    EXPECT_EQ(bytes, (Bytes {0xAA, 0x01, 0x02, 0x03, 0x04, 0xAA}));
}

TEST(LittleEndian, WhatTheWriterAppendsTheReaderReadsBack)
{
    Bytes out {0x55};
    ByteWriter writer(out);
    writer.writeU8(0x9A);
    writer.writeU16LE(0x1234);
    writer.writeU32LE(0xFEDCBA98);
    writer.writeI32LE(-2);
    EXPECT_EQ(out, (Bytes {0x55, 0x9A, 0x34, 0x12, 0x98, 0xBA, 0xDC, 0xFE, 0xFE, 0xFF, 0xFF, 0xFF}));

    ByteReader reader(out);
    EXPECT_EQ(reader.readU8(), 0x55);
    EXPECT_EQ(reader.readU8(), 0x9A);
    EXPECT_EQ(reader.readU16LE(), 0x1234);
    EXPECT_EQ(reader.readU32LE(), 0xFEDCBA98);
    EXPECT_EQ(reader.readI32LE(), -2);
    EXPECT_TRUE(reader.atEnd());
}

} // namespace
} // namespace brivmemo
