// SPDX-License-Identifier: MIT
// What each card face shows, by its picture index in the main window's card list (1..20), in
// words for people who cannot see the picture. The names follow the pictures: a card set that
// replaces the pictures replaces the names too.
#pragma once

#include <QString>
#include <QStringList>

// The name of face 1..20 in the pictures shown now; any other index has no name and gives an
// empty text.
QString cardFaceName(int bitmapIndex);

// The animals of the game's own pictures, face 1 first.
QStringList builtInCardFaceNames();

// From now on the faces are named after these, face 1 first; a face without a name in the list
// has none.
void setCardFaceNames(const QStringList &names);
