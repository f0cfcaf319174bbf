// SPDX-License-Identifier: MIT
// Loads and stores of little-endian numbers on a byte pointer, the order of every file the game
// reads or writes, whatever the machine's own order. They check nothing: the caller has made
// sure the bytes are there, as ByteReader does for bytes that come from outside.
#pragma once

#include <cstdint>

namespace brivmemo {

constexpr std::uint16_t loadU16LE(const std::uint8_t *bytes)
{
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

constexpr std::uint32_t loadU24LE(const std::uint8_t *bytes)
{
    return std::uint32_t {bytes[0]} | (std::uint32_t {bytes[1]} << 8) | (std::uint32_t {bytes[2]} << 16);
}

constexpr std::uint32_t loadU32LE(const std::uint8_t *bytes)
{
    return loadU24LE(bytes) | (std::uint32_t {bytes[3]} << 24);
}

constexpr void storeU16LE(std::uint8_t *bytes, std::uint16_t value)
{
    bytes[0] = static_cast<std::uint8_t>(value);
    bytes[1] = static_cast<std::uint8_t>(value >> 8);
}

// The lowest three bytes of the value; the highest is left out.
constexpr void storeU24LE(std::uint8_t *bytes, std::uint32_t value)
{
    storeU16LE(bytes, static_cast<std::uint16_t>(value));
    bytes[2] = static_cast<std::uint8_t>(value >> 16);
}

constexpr void storeU32LE(std::uint8_t *bytes, std::uint32_t value)
{
    storeU24LE(bytes, value);
    bytes[3] = static_cast<std::uint8_t>(value >> 24);
}

} // namespace brivmemo
