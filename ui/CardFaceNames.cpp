// SPDX-License-Identifier: MIT
#include "CardFaceNames.h"

#include <array>

namespace {

// In the order of the faces in the card list.
constexpr std::array<const char *, 20> FaceNames {"dog", "cat", "lion", "frog", "pig", "elephant", "penguin",
    "fox", "owl", "octopus", "turtle", "whale", "butterfly", "snail", "crab", "giraffe", "zebra", "parrot",
    "monkey", "ladybug"};

} // namespace

QString cardFaceName(int bitmapIndex)
{
    if (bitmapIndex < 1 || bitmapIndex > static_cast<int>(FaceNames.size()))
        return {};
    return QString::fromLatin1(FaceNames[static_cast<std::size_t>(bitmapIndex - 1)]);
}
