// SPDX-License-Identifier: MIT
// Writes a card set into a folder of its own, whole or not at all (see FolderReplacement.h), and
// reads it back as the game will before it takes the folder's place.
#pragma once

#include "CardSet.h"
#include "FolderReplacement.h"

#include <QString>

namespace brivmemo::cardtool {

// Throws CardSetError when the folder exists and existing is Refuse, WriteFailure when the set
// cannot be written or does not read back.
void writeSetFolder(
    const QString &folder, const cardset::CardSet &set, cardset::StreamForm form, Existing existing);

// Copies the set's two files into the folder; the set is read first and refused (CardSetError)
// when the game could not use it.
void copySetFolder(const QString &source, const QString &folder, Existing existing);

} // namespace brivmemo::cardtool
