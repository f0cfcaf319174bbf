// SPDX-License-Identifier: MIT
// A small, valid card set drawn in code, for tests that need one on disk or in memory: a
// palette back and twenty faces of one flat colour each, in the three forms the list reads.
#pragma once

#include "CardSet.h"

namespace brivmemo::test {

// Face n is drawn in faceColour(n); the back, an 8-bit picture, in backColour().
TColor faceColour(int face);
TColor backColour();

// The set's pictures are side × side pixels.
cardset::CardSet drawnCardSet(const QString &name, int side = 12);

// Writes the set into a new folder under the parent and returns the folder.
QString writeDrawnCardSet(const QString &parent, const QString &folderName, const QString &name);

} // namespace brivmemo::test
