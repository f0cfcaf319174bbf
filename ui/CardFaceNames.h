// SPDX-License-Identifier: MIT
// What each card face shows, by its picture index in the main window's card list (1..20), in
// words for people who cannot see the picture.
#pragma once

#include <QString>

// The animal of face 1..20; any other index has no name and gives an empty text.
QString cardFaceName(int bitmapIndex);
