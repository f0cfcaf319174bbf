// SPDX-License-Identifier: MIT
// The settings record: in memory the program's settings, on disk the one record of the
// settings file, 412 bytes little-endian. A name is kept as its raw field, so bytes beyond
// its length keep what was last read or stored there and the file comes out byte for byte.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace brivmemo {

constexpr std::size_t ConfigRecordSize = 412;
constexpr std::size_t NameMaxLength = 201;

// A name field: byte 0 holds the length, bytes 1..201 the characters in Windows-1252.
using TNome = std::array<std::uint8_t, NameMaxLength + 1>;

struct TConfig {
    std::int32_t Velocidade = 0;
    TNome Nome1 {};
    TNome Nome2 {};
    std::int32_t Nivel = 0;

    bool operator==(const TConfig &) const = default;
};

static_assert(sizeof(TConfig) == ConfigRecordSize, "the record has no padding");

// The Normal speed, "Player 1", "Player 2", the Intermediate level, every other byte zero.
TConfig defaultConfig();

std::array<std::uint8_t, ConfigRecordSize> configToBytes(const TConfig &config);

// Reads the first 412 bytes; throws EReadError when there are fewer. A length byte over 201
// is read as 201, so no name ever reaches past its field.
TConfig configFromBytes(std::span<const std::uint8_t> bytes);

// The name as UTF-8, for the windows.
std::string nameText(const TNome &name);

// Stores a UTF-8 name: at most 201 characters, "?" for each character outside Windows-1252.
// Only the length byte and the characters are written.
void setNameText(TNome &name, std::string_view utf8);

} // namespace brivmemo
