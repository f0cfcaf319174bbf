// SPDX-License-Identifier: MIT
// The languages the game ships translations for, and readable test names for them.
#pragma once

#include <gtest/gtest.h>
#include <string>

namespace brivmemo::test {

inline const auto ShippedLanguages = ::testing::Values("de", "es", "fr", "it", "nl", "pl", "pt_BR");

// The original English (no translation) comes first.
inline const auto EnglishAndShippedLanguages
    = ::testing::Values("", "de", "es", "fr", "it", "nl", "pl", "pt_BR");

inline std::string languageName(const ::testing::TestParamInfo<const char *> &info)
{
    return *info.param == '\0' ? std::string("English") : std::string(info.param);
}

} // namespace brivmemo::test
