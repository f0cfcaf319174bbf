// SPDX-License-Identifier: MIT
// The window icons and the help menu item's picture, drawn large and reduced to 16 colours.
#pragma once

#include "IconFile.h"
#include "PaletteQuantiser.h"

#include <QImage>

namespace brivmemo::tools {

// A drawing reduced to 16 colours: the palette picture, and the same as an image with alpha.
struct SixteenColorPicture {
    IconPicture icon;
    QImage image;
};

// Two cards, a back with a paw print and a face with a cat, 32 x 32.
SixteenColorPicture mainIcon();
// The same drawing at 256 x 256 in full colour, for desktops that show large icons.
QImage largeMainIcon();
// A blue disc with a white question mark, 16 x 16: the help window's icon.
SixteenColorPicture helpIcon();
// A blue book with a yellow question mark, 16 x 16: beside the help command in the menu.
SixteenColorPicture helpItemPicture();

enum class FinerIcon { Main, Help, HelpItem };

// The same drawing as one of the pictures above, reduced to side x side in full colour, for
// screens with more pixels than the 16-colour picture has.
QImage finerIcon(FinerIcon icon, int side);

// Reduces an image to 16 colours; pixels less than half opaque become transparent and take
// palette entry 0, which is black as icon files want for their transparent pixels.
SixteenColorPicture toSixteenColors(const QImage &image);

} // namespace brivmemo::tools
