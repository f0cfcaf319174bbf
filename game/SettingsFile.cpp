// SPDX-License-Identifier: MIT
#include "SettingsFile.h"

#include "Config.h"
#include "Exceptions.h"
#include "Globais.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

namespace brivmemo {
namespace {

struct FileCloser {
    void operator()(std::FILE *file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

[[noreturn]] void fail(const std::string &step, const std::string &reason)
{
    throw EInOutError(
        std::string("Input/output error while ") + step + " \"" + SettingsFileName + "\": " + reason);
}

[[noreturn]] void failWithErrno(const std::string &step)
{
    fail(step, std::strerror(errno));
}

bool settingsFileExists()
{
    std::error_code error;
    return std::filesystem::exists(SettingsFileName, error);
}

FilePtr open(const char *mode, const std::string &step)
{
    FilePtr file(std::fopen(SettingsFileName, mode));
    if (!file)
        failWithErrno(step);
    return file;
}

void write(std::FILE *file, const TConfig &config)
{
    const auto bytes = configToBytes(config);
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fflush(file) != 0)
        failWithErrno("writing");
}

void close(FilePtr file)
{
    if (std::fclose(file.release()) != 0)
        failWithErrno("closing");
}

} // namespace

void Le_Config()
{
    if (!settingsFileExists()) {
        FilePtr file = open("wb", "creating");
        Config = defaultConfig();
        write(file.get(), Config);
        close(std::move(file));
        return;
    }
    FilePtr file = open("r+b", "opening");
    std::array<std::uint8_t, ConfigRecordSize> bytes {};
    const std::size_t count = std::fread(bytes.data(), 1, bytes.size(), file.get());
    if (count != bytes.size()) {
        if (std::ferror(file.get()) != 0)
            failWithErrno("reading");
        fail("reading", "the file holds fewer than " + std::to_string(ConfigRecordSize) + " bytes");
    }
    close(std::move(file));
    Config = configFromBytes(bytes);
}

void Grava_Config()
{
    FilePtr file = settingsFileExists() ? open("r+b", "opening") : open("wb", "creating");
    write(file.get(), Config);
    close(std::move(file));
}

} // namespace brivmemo
