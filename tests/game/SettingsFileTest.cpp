// SPDX-License-Identifier: MIT
#include "Exceptions.h"
#include "Globais.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace brivmemo {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// Each test runs in a fresh directory of its own, so parallel runs never share the file.
class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobais();
        previous_ = fs::current_path();
        std::string pattern = (fs::temp_directory_path() / "brivmemo-settings-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        directory_ = pattern;
        fs::current_path(directory_);
    }

    void TearDown() override
    {
        fs::current_path(previous_);
        fs::remove_all(directory_);
    }

    static Bytes fileBytes()
    {
        std::ifstream in(SettingsFileName, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static void writeFile(const Bytes &bytes)
    {
        std::ofstream out(SettingsFileName, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    static void putName(Bytes &bytes, std::size_t offset, const std::string &name)
    {
        bytes[offset] = static_cast<std::uint8_t>(name.size());
        std::copy(name.begin(), name.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset + 1));
    }

    // A record written by hand: speed, two names, level, all other bytes zero.
    static Bytes record(
        std::uint32_t speed, const std::string &name1, const std::string &name2, std::uint32_t level)
    {
        Bytes bytes(412, 0);
        for (std::size_t i = 0; i < 4; ++i) {
            bytes[i] = static_cast<std::uint8_t>(speed >> (8 * i));
            bytes[408 + i] = static_cast<std::uint8_t>(level >> (8 * i));
        }
        putName(bytes, 4, name1);
        putName(bytes, 206, name2);
        return bytes;
    }

private:
    fs::path previous_;
    fs::path directory_;
};

TEST_F(SettingsFileTest, FirstStartCreatesTheDefaultRecord)
{
    Le_Config();
    EXPECT_EQ(fileBytes(), record(1000, "Player 1", "Player 2", 2));
    EXPECT_EQ(Config.Velocidade, 1000);
    EXPECT_EQ(nameText(Config.Nome1), "Player 1");
    EXPECT_EQ(nameText(Config.Nome2), "Player 2");
    EXPECT_EQ(Config.Nivel, 2);
}

TEST_F(SettingsFileTest, AWrittenRecordIsReadBackExactly)
{
    writeFile(record(3000, "Ana", "Bia", 1));
    Le_Config();
    EXPECT_EQ(Config.Velocidade, 3000);
    EXPECT_EQ(nameText(Config.Nome1), "Ana");
    EXPECT_EQ(nameText(Config.Nome2), "Bia");
    EXPECT_EQ(Config.Nivel, 1);

    setNameText(Config.Nome1, "José");
    Config.Velocidade = 500;
    Config.Nivel = -7;
    Grava_Config();
    Bytes expected = record(500, "Jos\xE9", "Bia", static_cast<std::uint32_t>(-7));
    EXPECT_EQ(fileBytes(), expected);

    const TConfig saved = Config;
    Config = TConfig {};
    Le_Config();
    EXPECT_EQ(Config, saved);
}

TEST_F(SettingsFileTest, LongestNamesFillTheirFieldsAtFixedOffsets)
{
    Le_Config();
    setNameText(Config.Nome1, std::string(250, 'a'));
    setNameText(Config.Nome2, std::string(201, 'b'));
    Config.Nivel = 3;
    Grava_Config();
    EXPECT_EQ(fileBytes(), record(1000, std::string(201, 'a'), std::string(201, 'b'), 3));
}

TEST_F(SettingsFileTest, OnlyTheFirstRecordOfALongerFileIsReadAndWritten)
{
    Bytes bytes = record(500, "Ana", "Bia", 3);
    for (int i = 0; i < 100; ++i)
        bytes.push_back(static_cast<std::uint8_t>(i + 1));
    writeFile(bytes);
    Le_Config();
    EXPECT_EQ(Config.Velocidade, 500);

    Config.Nivel = 1;
    Grava_Config();
    bytes[408] = 1;
    EXPECT_EQ(fileBytes(), bytes);
}

TEST_F(SettingsFileTest, BytesBeyondANameKeepWhatWasReadThere)
{
    Bytes bytes = record(1000, "Alexandra", "Bia", 2);
    bytes[300] = 0x5A; // beyond the second name, inside its field
    writeFile(bytes);
    Le_Config();
    setNameText(Config.Nome1, "Al");
    Grava_Config();
    putName(bytes, 4, "Al");
    EXPECT_EQ(fileBytes(), bytes);
}

TEST_F(SettingsFileTest, ALengthOver201IsReadAs201AndWrittenAs201)
{
    Bytes bytes = record(1000, std::string(201, 'x'), "Bia", 2);
    bytes[4] = 255;
    writeFile(bytes);
    Le_Config();
    EXPECT_EQ(nameText(Config.Nome1), std::string(201, 'x'));
    Grava_Config();
    EXPECT_EQ(fileBytes()[4], 201);
}

TEST_F(SettingsFileTest, AFileDeletedWhileRunningIsCreatedAnewFromMemory)
{
    Le_Config();
    setNameText(Config.Nome2, "Bia");
    Config.Nivel = 1;
    fs::remove(SettingsFileName);
    Grava_Config();
    Bytes expected = record(1000, "Player 1", "Player 2", 1);
    putName(expected, 206, "Bia");
    EXPECT_EQ(fileBytes(), expected);
}

TEST_F(SettingsFileTest, AShortFileRaisesAndLeavesTheSettingsUntouched)
{
    Bytes bytes = record(3000, "Ana", "Bia", 1);
    bytes.resize(411);
    writeFile(bytes);
    Config = defaultConfig();
    const TConfig before = Config;
    const auto openFiles
        = [] { return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator {}); };
    const auto filesBefore = openFiles();
    try {
        Le_Config();
        FAIL() << "a short file was accepted";
    } catch (const EInOutError &error) {
        EXPECT_NE(std::string(error.what()).find("reading \"brivmemo.ini\""), std::string::npos)
            << error.what();
    }
    EXPECT_EQ(Config, before);
    EXPECT_EQ(openFiles(), filesBefore) << "the file was left open";
}

TEST_F(SettingsFileTest, AFolderInThePlaceOfTheFileRaisesOnEveryAccess)
{
    fs::create_directory(SettingsFileName);
    Config = defaultConfig();
    EXPECT_THROW(Le_Config(), EInOutError);
    EXPECT_EQ(Config, defaultConfig());
    try {
        Grava_Config();
        FAIL() << "a folder was written as the settings file";
    } catch (const EInOutError &error) {
        EXPECT_NE(std::string(error.what()).find("opening \"brivmemo.ini\""), std::string::npos)
            << error.what();
    }
}

TEST_F(SettingsFileTest, AReadOnlyFileRaises)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "running as root, which may write to read-only files";
    writeFile(record(1000, "Ana", "Bia", 2));
    fs::permissions(SettingsFileName, fs::perms::owner_read);
    EXPECT_THROW(Le_Config(), EInOutError);
    EXPECT_THROW(Grava_Config(), EInOutError);
}

TEST_F(SettingsFileTest, AFullDiskRaisesWhileWriting)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "this system has no /dev/full";
    fs::create_symlink("/dev/full", SettingsFileName);
    Config = defaultConfig();
    try {
        Grava_Config();
        FAIL() << "a write to a full disk was reported as done";
    } catch (const EInOutError &error) {
        EXPECT_NE(std::string(error.what()).find("writing \"brivmemo.ini\""), std::string::npos)
            << error.what();
    }
}

} // namespace
} // namespace brivmemo
