// SPDX-License-Identifier: MIT
// Turns picture files into a card set: one back and twenty faces, each fitted on the card's
// square and stored in the smallest form that keeps its colours, refused when a player could not
// tell two faces apart.
#pragma once

#include "CardSet.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace brivmemo::cardtool {

struct MakeRequest {
    QString backFile;
    QStringList faceFiles;
    // The faces' names may be left empty: each face is then named after its file, without the
    // folder and the extension.
    cardset::CardSetMetadata metadata;
};

// Told what the maker is doing, in words for the person waiting.
using Progress = std::function<void(const QString &)>;

// Throws CardSetError naming the file at fault (empty when none is) and the reason: not one back
// and kFaceCount faces, a name or face names missing or not kFaceCount, a picture that cannot be
// read, two faces too alike (see FaceLikeness.h).
cardset::CardSet makeCardSet(const MakeRequest &request, const Progress &progress);

} // namespace brivmemo::cardtool
