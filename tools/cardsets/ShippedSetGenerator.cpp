// SPDX-License-Identifier: MIT
#include "ShippedSetGenerator.h"

#include "CardBitmap.h"
#include "CardSet.h"
#include "CardSetLimits.h"
#include "FaceLikeness.h"
#include "PaletteQuantiser.h"
#include "PictureFile.h"
#include "SetBack.h"
#include "SetFolderWriter.h"
#include "ShippedSets.h"

#include <QDir>
#include <QMap>
#include <memory>
#include <stdexcept>
#include <vector>

namespace brivmemo::tools {

namespace {

using cardset::kPictureSide;

constexpr QRgb kWhite = 0xFFFFFFFF;
// The author named with the art, as the Twemoji licence asks.
constexpr char kAuthor[] = "Brivosta Memory Game; art by Twitter, Inc and other contributors (Twemoji)";
constexpr char kLicense[] = "CC-BY-4.0";

QImage toImage(const IndexedPicture &picture)
{
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x)
            image.setPixel(x, y, picture.color(x, y));
    }
    return image;
}

QImage reduced(const QImage &picture)
{
    const std::array pinned {kWhite};
    return toImage(quantise(picture, cardtool::kMaxTableColors, pinned));
}

QImage artPicture(const QString &artFolder, const char *art)
{
    return cardtool::readSquarePicture(
        QDir(artFolder).filePath(QStringLiteral("%1.svg").arg(QLatin1String(art))), kPictureSide);
}

// Each language's text of a translated table, keyed as cardset.ini keys its translations.
template<typename TextIn> auto byLanguage(const TextIn &textIn)
{
    QMap<QString, decltype(textIn(std::size_t {}))> texts;
    for (std::size_t language = 0; language < kShippedLanguages.size(); ++language)
        texts.insert(QLatin1String(kShippedLanguages.at(language)), textIn(language));
    return texts;
}

cardset::CardSet drawSet(const ShippedSet &shipped, const QString &artFolder)
{
    cardset::CardSet set;
    set.metadata.name = QString::fromUtf8(shipped.name);
    set.metadata.nameTranslations = byLanguage(
        [&](std::size_t language) { return QString::fromUtf8(shipped.nameTranslations.at(language)); });
    set.metadata.comment = QString::fromUtf8(shipped.comment);
    set.metadata.commentTranslations = byLanguage(
        [&](std::size_t language) { return QString::fromUtf8(shipped.commentTranslations.at(language)); });
    set.metadata.author = QString::fromUtf8(kAuthor);
    set.metadata.license = QString::fromUtf8(kLicense);
    std::vector<QImage> faces;
    for (const ShippedFace &face : shipped.faces) {
        set.metadata.faces.append(QString::fromUtf8(face.name));
        faces.push_back(reduced(artPicture(artFolder, face.art)));
    }
    set.metadata.faceTranslations = byLanguage([&](std::size_t language) {
        QStringList names;
        for (const ShippedFace &face : shipped.faces)
            names.append(QString::fromUtf8(face.translations.at(language)));
        return names;
    });
    if (const auto alike = cardtool::findLookAlikes(faces)) {
        throw std::runtime_error(QStringLiteral("%1: %2 and %3 are too alike")
                                     .arg(QLatin1String(shipped.folder), set.metadata.faces.at(alike->first),
                                         set.metadata.faces.at(alike->second))
                                     .toStdString());
    }

    const QImage back = drawSetBack(shipped.back, artPicture(artFolder, shipped.back.motif), kPictureSide);
    set.pictures.push_back(std::make_unique<TBitmap>(cardtool::toCardPixels(reduced(back))));
    for (const QImage &face : faces)
        set.pictures.push_back(std::make_unique<TBitmap>(cardtool::toCardPixels(face)));
    return set;
}

} // namespace

void generateShippedSets(const QString &artFolder, const QString &outputFolder)
{
    for (const ShippedSet &shipped : shippedSets()) {
        cardtool::writeSetFolder(QDir(outputFolder).filePath(QLatin1String(shipped.folder)),
            drawSet(shipped, artFolder), cardset::StreamForm::Packed, cardtool::Existing::Replace);
    }
}

} // namespace brivmemo::tools
