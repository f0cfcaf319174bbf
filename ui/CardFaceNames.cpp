// SPDX-License-Identifier: MIT
#include "CardFaceNames.h"

#include <array>

namespace {

// In the order of the faces in the card list.
constexpr std::array<const char *, 20> FaceNames {"dog", "cat", "lion", "frog", "pig", "elephant", "penguin",
    "fox", "owl", "octopus", "turtle", "whale", "butterfly", "snail", "crab", "giraffe", "zebra", "parrot",
    "monkey", "ladybug"};

QStringList &shownFaceNames()
{
    static QStringList names = builtInCardFaceNames();
    return names;
}

} // namespace

QString cardFaceName(int bitmapIndex)
{
    return bitmapIndex < 1 ? QString() : shownFaceNames().value(bitmapIndex - 1);
}

QStringList builtInCardFaceNames()
{
    QStringList names;
    for (const char *name : FaceNames)
        names.append(QString::fromLatin1(name));
    return names;
}

void setCardFaceNames(const QStringList &names)
{
    shownFaceNames() = names;
}
