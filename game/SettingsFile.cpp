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

using Step = Exception::Message;

[[noreturn]] void failWithErrno(Step step)
{
    throw EInOutError(step, {SettingsFileName, std::strerror(errno)});
}

bool settingsFileExists()
{
    std::error_code error;
    return std::filesystem::exists(SettingsFileName, error);
}

FilePtr open(const char *mode, Step step)
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
        failWithErrno(Step::WritingFile);
}

void close(FilePtr file)
{
    if (std::fclose(file.release()) != 0)
        failWithErrno(Step::ClosingFile);
}

} // namespace

void Le_Config()
{
    if (!settingsFileExists()) {
        FilePtr file = open("wb", Step::CreatingFile);
        Config = defaultConfig();
        write(file.get(), Config);
        close(std::move(file));
        return;
    }
    FilePtr file = open("r+b", Step::OpeningFile);
    std::array<std::uint8_t, ConfigRecordSize> bytes {};
    const std::size_t count = std::fread(bytes.data(), 1, bytes.size(), file.get());
    if (count != bytes.size()) {
        if (std::ferror(file.get()) != 0)
            failWithErrno(Step::ReadingFile);
        throw EInOutError(Step::FileTooShort, {SettingsFileName, std::to_string(ConfigRecordSize)});
    }
    close(std::move(file));
    Config = configFromBytes(bytes);
}

void Grava_Config()
{
    FilePtr file = settingsFileExists() ? open("r+b", Step::OpeningFile) : open("wb", Step::CreatingFile);
    write(file.get(), Config);
    close(std::move(file));
}

} // namespace brivmemo
