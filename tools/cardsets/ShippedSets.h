// SPDX-License-Identifier: MIT
// The card sets that ship with the game: their names in every language the game speaks, their
// faces (each drawn from one Twemoji picture in art/) and the design of their backs.
#pragma once

#include <QRgb>
#include <array>

namespace brivmemo::tools {

// The languages of the game's translations, in the order of every Translated below.
inline constexpr std::array<const char *, 7> kShippedLanguages {"de", "es", "fr", "it", "nl", "pl", "pt_BR"};

using Translated = std::array<const char *, kShippedLanguages.size()>;

struct ShippedFace {
    const char *art; // the picture's file name in art/, without ".svg"
    const char *name;
    Translated translations;
};

enum class BackPattern { Dots, Stripes, Waves };

struct BackDesign {
    QRgb field;
    QRgb pattern;
    BackPattern kind;
    const char *motif; // drawn in the middle, like a face's art
};

struct ShippedSet {
    const char *folder;
    const char *name;
    Translated nameTranslations;
    const char *comment;
    Translated commentTranslations;
    std::array<ShippedFace, 20> faces;
    BackDesign back;
};

const std::array<ShippedSet, 3> &shippedSets();

} // namespace brivmemo::tools
