// SPDX-License-Identifier: MIT
#include "Cp1252.h"

#include <array>

namespace brivmemo {
namespace {

// The characters of bytes 0x80..0x9F; the rest of the code page is Latin-1.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC,
    0x0081,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0x008D,
    0x017D,
    0x008F,
    0x0090,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0x009D,
    0x017E,
    0x0178,
};

char32_t characterOf(std::uint8_t byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return HighControls[byte - 0x80];
    return byte;
}

char byteOf(char32_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<char>(character);
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == character)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

void appendUtf8(std::string &out, char32_t character)
{
    if (character < 0x80) {
        out += static_cast<char>(character);
    } else if (character < 0x800) {
        out += static_cast<char>(0xC0 | (character >> 6));
        out += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (character >> 12));
        out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    }
}

// Decodes one character at position and advances past it. Malformed input (a stray
// continuation byte, a cut sequence, an overlong form, a surrogate or a value beyond
// U+10FFFF) yields U+FFFD and advances by one byte.
char32_t nextCharacter(std::string_view utf8, std::size_t &position)
{
    const auto lead = static_cast<std::uint8_t>(utf8[position]);
    std::size_t length = 0;
    char32_t character = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        ++position;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        character = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        character = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        character = lead & 0x07;
        smallest = 0x10000;
    } else {
        ++position;
        return 0xFFFD;
    }
    if (utf8.size() - position < length) {
        ++position;
        return 0xFFFD;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<std::uint8_t>(utf8[position + i]);
        if ((next & 0xC0) != 0x80) {
            ++position;
            return 0xFFFD;
        }
        character = (character << 6) | (next & 0x3F);
    }
    if (character < smallest || character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF)) {
        ++position;
        return 0xFFFD;
    }
    position += length;
    return character;
}

} // namespace

std::string cp1252ToUtf8(std::span<const std::uint8_t> bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const std::uint8_t byte : bytes)
        appendUtf8(out, characterOf(byte));
    return out;
}

std::string utf8ToCp1252(std::string_view utf8, std::size_t maxCharacters)
{
    std::string out;
    std::size_t position = 0;
    while (position < utf8.size() && out.size() < maxCharacters)
        out += byteOf(nextCharacter(utf8, position));
    return out;
}

} // namespace brivmemo
