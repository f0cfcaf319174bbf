// SPDX-License-Identifier: MIT
#include "CardFaceNames.h"

#include <QCoreApplication>
#include <array>

namespace {

// In the order of the faces in the card list.
constexpr const char *FaceNamesContext = "CardFaceNames";
//: The animal on a card of the game's own pictures, told to people who cannot see it.
constexpr std::array<const char *, 20> FaceNames {QT_TRANSLATE_NOOP("CardFaceNames", "dog"),
    QT_TRANSLATE_NOOP("CardFaceNames", "cat"), QT_TRANSLATE_NOOP("CardFaceNames", "lion"),
    QT_TRANSLATE_NOOP("CardFaceNames", "frog"), QT_TRANSLATE_NOOP("CardFaceNames", "pig"),
    QT_TRANSLATE_NOOP("CardFaceNames", "elephant"), QT_TRANSLATE_NOOP("CardFaceNames", "penguin"),
    QT_TRANSLATE_NOOP("CardFaceNames", "fox"), QT_TRANSLATE_NOOP("CardFaceNames", "owl"),
    QT_TRANSLATE_NOOP("CardFaceNames", "octopus"), QT_TRANSLATE_NOOP("CardFaceNames", "turtle"),
    QT_TRANSLATE_NOOP("CardFaceNames", "whale"), QT_TRANSLATE_NOOP("CardFaceNames", "butterfly"),
    QT_TRANSLATE_NOOP("CardFaceNames", "snail"), QT_TRANSLATE_NOOP("CardFaceNames", "crab"),
    QT_TRANSLATE_NOOP("CardFaceNames", "giraffe"), QT_TRANSLATE_NOOP("CardFaceNames", "zebra"),
    QT_TRANSLATE_NOOP("CardFaceNames", "parrot"), QT_TRANSLATE_NOOP("CardFaceNames", "monkey"),
    QT_TRANSLATE_NOOP("CardFaceNames", "ladybug")};

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
        names.append(QCoreApplication::translate(FaceNamesContext, name));
    return names;
}

void setCardFaceNames(const QStringList &names)
{
    shownFaceNames() = names;
}
