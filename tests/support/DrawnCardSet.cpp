// SPDX-License-Identifier: MIT
#include "DrawnCardSet.h"

#include "CardSetLimits.h"

#include <QDir>

namespace brivmemo::test {

namespace {

std::unique_ptr<TBitmap> flatPicture(PixelFormat format, int side, TColor colour)
{
    auto picture = std::make_unique<TBitmap>();
    if (format == PixelFormat::Bits8)
        picture->setPalette({0x00000000, colour});
    picture->create(format, side, side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            picture->setPixel(x, y, colour);
    return picture;
}

} // namespace

TColor faceColour(int face)
{
    // 5-5-5 keeps these exactly: every channel is a multiple of 8.
    return static_cast<TColor>((face * 8) | ((248 - face * 8) << 8) | ((face * 40 % 256) << 16));
}

TColor backColour()
{
    return 0x00804020;
}

cardset::CardSet drawnCardSet(const QString &name, int side)
{
    cardset::CardSet set;
    set.metadata.name = name;
    set.metadata.license = QStringLiteral("MIT");
    set.pictures.push_back(flatPicture(PixelFormat::Bits8, side, backColour()));
    for (int face = 1; face <= cardset::kFaceCount; ++face) {
        const PixelFormat format = face % 3 == 0 ? PixelFormat::Bits8
            : face % 3 == 1                      ? PixelFormat::Bits16
                                                 : PixelFormat::Bits24;
        set.pictures.push_back(flatPicture(format, side, faceColour(face)));
        set.metadata.faces << QStringLiteral("%1 face %2").arg(name).arg(face);
    }
    return set;
}

QString writeDrawnCardSet(const QString &parent, const QString &folderName, const QString &name)
{
    const QString folder = QDir(parent).filePath(folderName);
    QDir().mkpath(folder);
    cardset::writeCardSet(folder, drawnCardSet(name), cardset::StreamForm::Packed);
    return folder;
}

} // namespace brivmemo::test
