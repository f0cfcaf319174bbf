// SPDX-License-Identifier: MIT
// The Windows-1252 code page, in which the settings file stores the players' names, so that
// a name's bytes mean the same on every system. Text elsewhere in the program is UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace brivmemo {

// Every byte has a character: the five bytes the code page leaves unassigned read as the
// control characters of the same number, so any field converts back to the same bytes.
std::string cp1252ToUtf8(std::span<const std::uint8_t> bytes);

// Converts at most maxCharacters characters; a character outside the code page, and each
// byte of malformed UTF-8, becomes "?".
std::string utf8ToCp1252(std::string_view utf8, std::size_t maxCharacters);

} // namespace brivmemo
