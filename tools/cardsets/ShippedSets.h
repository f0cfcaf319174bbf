// SPDX-License-Identifier: MIT
// The card sets that ship with the game: their names, their faces (each drawn from one Twemoji
// picture in art/) and the design of their backs.
#pragma once

#include <QRgb>
#include <array>

namespace brivmemo::tools {

struct ShippedFace {
    const char *art; // the picture's file name in art/, without ".svg"
    const char *name;
    const char *germanName;
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
    const char *germanName;
    const char *comment;
    std::array<ShippedFace, 20> faces;
    BackDesign back;
};

const std::array<ShippedSet, 3> &shippedSets();

} // namespace brivmemo::tools
