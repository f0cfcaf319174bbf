// SPDX-License-Identifier: MIT
#include "CardSetMaker.h"

#include "CardBitmap.h"
#include "CardSetError.h"
#include "CardSetLimits.h"
#include "FaceLikeness.h"
#include "PictureFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <memory>
#include <vector>

namespace brivmemo::cardtool {

namespace {

using cardset::CardSet;
using cardset::CardSetError;
using cardset::CardSetMetadata;
using cardset::kFaceCount;
using cardset::kPictureSide;

// Gives lupdate and the program one context for the texts of this file.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CardSetMaker)
};

CardSetMetadata completedMetadata(const MakeRequest &request)
{
    CardSetMetadata metadata = request.metadata;
    if (metadata.name.trimmed().isEmpty())
        throw CardSetError({}, Texts::tr("the set has no name"));
    if (metadata.faces.isEmpty()) {
        for (const QString &file : request.faceFiles)
            metadata.faces.append(QFileInfo(file).completeBaseName());
    }
    if (metadata.faces.size() != kFaceCount)
        throw CardSetError(
            {}, Texts::tr("%1 face names are given, not %2").arg(metadata.faces.size()).arg(kFaceCount));
    for (int face = 0; face < kFaceCount; ++face) {
        if (metadata.faces.at(face).trimmed().isEmpty())
            throw CardSetError(request.faceFiles.value(face), Texts::tr("face %1 has no name").arg(face + 1));
    }
    return metadata;
}

} // namespace

CardSet makeCardSet(const MakeRequest &request, const Progress &progress)
{
    if (request.backFile.isEmpty() || request.faceFiles.size() != kFaceCount) {
        throw CardSetError({},
            Texts::tr("a set needs one back and %1 faces, but %2 pictures are given")
                .arg(kFaceCount)
                .arg(request.faceFiles.size() + (request.backFile.isEmpty() ? 0 : 1)));
    }
    CardSet set;
    set.metadata = completedMetadata(request);

    progress(Texts::tr("reading the back"));
    const QImage back = readSquarePicture(request.backFile, kPictureSide);
    std::vector<QImage> faces;
    for (int face = 0; face < kFaceCount; ++face) {
        progress(Texts::tr("reading face %1 of %2").arg(face + 1).arg(kFaceCount));
        faces.push_back(readSquarePicture(request.faceFiles.at(face), kPictureSide));
    }

    progress(Texts::tr("comparing the faces"));
    if (const auto alike = findLookAlikes(faces)) {
        const QString &other = request.faceFiles.at(alike->first);
        const QString message = alike->likeness == Likeness::Identical
            ? Texts::tr("it shows the same picture as %1").arg(other)
            : Texts::tr(
                "a player could not tell it from %1 (their thumbnails differ by %2 levels, less than %3)")
                  .arg(
                      other, QString::number(alike->difference, 'f', 1), QString::number(kMinMeanDifference));
        throw CardSetError(request.faceFiles.at(alike->second), message);
    }

    progress(Texts::tr("packing the back"));
    set.pictures.push_back(std::make_unique<TBitmap>(toCardPixels(back)));
    for (int face = 1; face <= kFaceCount; ++face) {
        progress(Texts::tr("packing face %1 of %2").arg(face).arg(kFaceCount));
        set.pictures.push_back(
            std::make_unique<TBitmap>(toCardPixels(faces[static_cast<std::size_t>(face - 1)])));
    }
    return set;
}

} // namespace brivmemo::cardtool
