// SPDX-License-Identifier: MIT
// A card set on disk: a folder with cardset.ini and cards.mbml. The game and brivmemo-cardset
// read and write sets only through these two functions.
#pragma once

#include "Bitmap.h"
#include "CardSetMetadata.h"
#include "CardSetStream.h"

#include <QString>
#include <vector>

namespace brivmemo::cardset {

struct CardSet {
    QString folder; // where it was read from; empty for one not yet written
    CardSetMetadata metadata;
    Pictures pictures; // kEntryCount: the back, then the faces
};

// Reads and checks a whole set. Throws CardSetError naming the file at fault (the folder when
// it is missing or not a folder) and the reason: a missing or unreadable file, a file larger
// than its limit (checked before it is read), metadata or a stream that is not well formed.
CardSet readCardSet(const QString &folder);
// Only the metadata, for listing sets without reading their pictures.
CardSetMetadata readCardSetMetadata(const QString &folder);

// Writes the set into the folder, which must exist, through temporary files renamed into place,
// so that a failure leaves no half-written set. Throws CardSetError naming the file.
void writeCardSet(const QString &folder, const CardSet &set, StreamForm form);

} // namespace brivmemo::cardset
