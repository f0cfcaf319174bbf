// SPDX-License-Identifier: MIT
#include "Config.h"
#include "Exceptions.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace brivmemo {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes fieldBytes(const TNome &name)
{
    return Bytes(name.begin() + 1, name.begin() + 1 + name[0]);
}

TEST(ConfigRecord, DefaultsAreLaidOutAtTheirOffsets)
{
    const auto bytes = configToBytes(defaultConfig());
    std::array<std::uint8_t, 412> expected {};
    expected[0] = 0xE8; // 1000
    expected[1] = 0x03;
    expected[4] = 8;
    expected[206] = 8;
    for (std::size_t i = 0; i < 8; ++i) {
        expected[5 + i] = static_cast<std::uint8_t>("Player 1"[i]);
        expected[207 + i] = static_cast<std::uint8_t>("Player 2"[i]);
    }
    expected[408] = 2;
    EXPECT_EQ(bytes, expected);
}

TEST(ConfigRecord, AnyRecordComesBackByteForByte)
{
    std::array<std::uint8_t, 412> bytes {};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    bytes[4] = 201;
    bytes[206] = 0;
    bytes[411] = 0x80; // a negative level
    const TConfig config = configFromBytes(bytes);
    EXPECT_LT(config.Nivel, 0);
    EXPECT_EQ(configToBytes(config), bytes);
}

TEST(ConfigRecord, NameLengthsOver201StopAtTheirField)
{
    std::array<std::uint8_t, 412> bytes {};
    bytes[4] = 202;
    bytes[206] = 255;
    const TConfig config = configFromBytes(bytes);
    EXPECT_EQ(config.Nome1[0], 201);
    EXPECT_EQ(config.Nome2[0], 201);
    EXPECT_EQ(nameText(config.Nome2).size(), 201U);
}

TEST(ConfigRecord, ShortInputIsRefused)
{
    const std::vector<std::uint8_t> bytes(411, 0);
    EXPECT_THROW(configFromBytes(bytes), EReadError);
}

struct NameCase {
    const char *utf8;
    Bytes stored;
};

class NameConversion : public ::testing::TestWithParam<NameCase> { };

TEST_P(NameConversion, StoresWindows1252WithQuestionMarksForTheRest)
{
    TNome name {};
    setNameText(name, GetParam().utf8);
    EXPECT_EQ(fieldBytes(name), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Names, NameConversion,
    ::testing::Values(NameCase {"Ana", {'A', 'n', 'a'}}, NameCase {"José", {'J', 'o', 's', 0xE9}},
        NameCase {"€ŒŸ", {0x80, 0x8C, 0x9F}}, NameCase {"日本", {'?', '?'}}, NameCase {"😀!", {'?', '!'}},
        NameCase {"a\xFF"
                  "b",
            {'a', '?', 'b'}},
        NameCase {"a\xC3", {'a', '?'}}, NameCase {"\xC0\xAF", {'?', '?'}},
        NameCase {"\xED\xA0\x80", {'?', '?', '?'}}, NameCase {"", {}}));

TEST(NameText, EveryByteReadsBackAsItself)
{
    for (int byte = 0; byte < 256; ++byte) {
        TNome name {};
        name[0] = 1;
        name[1] = static_cast<std::uint8_t>(byte);
        TNome copy {};
        setNameText(copy, nameText(name));
        EXPECT_EQ(copy, name) << "byte " << byte;
    }
}

TEST(NameText, ReadsWindows1252AsUtf8)
{
    TNome name {};
    name[0] = 4;
    name[1] = 0x80;
    name[2] = 'a';
    name[3] = 0xE9;
    name[4] = 0x99;
    EXPECT_EQ(nameText(name), "€aé™");
}

TEST(NameText, LongNamesAreCutTo201Characters)
{
    std::string accented;
    for (int i = 0; i < 250; ++i)
        accented += "é";
    TNome name {};
    setNameText(name, accented);
    EXPECT_EQ(fieldBytes(name), Bytes(201, 0xE9));
}

TEST(NameText, StoringWritesOnlyTheLengthAndTheCharacters)
{
    TNome name {};
    name.fill(0xAA);
    setNameText(name, "Bo");
    EXPECT_EQ(name[0], 2);
    EXPECT_EQ(name[1], 'B');
    EXPECT_EQ(name[2], 'o');
    EXPECT_EQ(name[3], 0xAA);
    EXPECT_EQ(name[201], 0xAA);
}

} // namespace
} // namespace brivmemo
