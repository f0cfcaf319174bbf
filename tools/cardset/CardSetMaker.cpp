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

using cardset::CardSetError;
using cardset::kFaceCount;
using cardset::kPictureSide;

QString tr(const char *text)
{
    return QCoreApplication::translate("CardSetMaker", text);
}

cardset::CardSetMetadata completedMetadata(const MakeRequest &request)
{
    cardset::CardSetMetadata metadata = request.metadata;
    if (metadata.name.trimmed().isEmpty())
        throw CardSetError({}, tr("the set has no name"));
    if (metadata.faces.isEmpty()) {
        for (const QString &file : request.faceFiles)
            metadata.faces.append(QFileInfo(file).completeBaseName());
    }
    if (metadata.faces.size() != kFaceCount)
        throw CardSetError(
            {}, tr("%1 face names are given, not %2").arg(metadata.faces.size()).arg(kFaceCount));
    for (int face = 0; face < kFaceCount; ++face) {
        if (metadata.faces.at(face).trimmed().isEmpty())
            throw CardSetError(request.faceFiles.value(face), tr("face %1 has no name").arg(face + 1));
    }
    return metadata;
}

} // namespace

cardset::CardSet makeCardSet(const MakeRequest &request, const Progress &progress)
{
    if (request.backFile.isEmpty() || request.faceFiles.size() != kFaceCount) {
        throw CardSetError({},
            tr("a set needs one back and %1 faces, but %2 pictures are given")
                .arg(kFaceCount)
                .arg(request.faceFiles.size() + (request.backFile.isEmpty() ? 0 : 1)));
    }
    cardset::CardSet set;
    set.metadata = completedMetadata(request);

    progress(tr("reading the back"));
    const QImage back = readSquarePicture(request.backFile, kPictureSide);
    std::vector<QImage> faces;
    for (int face = 0; face < kFaceCount; ++face) {
        progress(tr("reading face %1 of %2").arg(face + 1).arg(kFaceCount));
        faces.push_back(readSquarePicture(request.faceFiles.at(face), kPictureSide));
    }

    progress(tr("comparing the faces"));
    if (const auto alike = findLookAlikes(faces)) {
        const QString &other = request.faceFiles.at(alike->first);
        const QString message = alike->likeness == Likeness::Identical
            ? tr("it shows the same picture as %1").arg(other)
            : tr("a player could not tell it from %1 (their thumbnails differ by %2 levels, less than %3)")
                  .arg(
                      other, QString::number(alike->difference, 'f', 1), QString::number(kMinMeanDifference));
        throw CardSetError(request.faceFiles.at(alike->second), message);
    }

    progress(tr("packing the back"));
    set.pictures.push_back(std::make_unique<TBitmap>(toCardPixels(back)));
    for (int face = 1; face <= kFaceCount; ++face) {
        progress(tr("packing face %1 of %2").arg(face).arg(kFaceCount));
        set.pictures.push_back(
            std::make_unique<TBitmap>(toCardPixels(faces[static_cast<std::size_t>(face - 1)])));
    }
    return set;
}

} // namespace brivmemo::cardtool
