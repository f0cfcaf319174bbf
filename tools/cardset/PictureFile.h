// SPDX-License-Identifier: MIT
// Reads a picture file of any format Qt reads (PNG, JPEG, BMP, GIF, SVG through Qt SVG) and lays
// it on the card's square.
#pragma once

#include <QImage>
#include <QString>

namespace brivmemo::cardtool {

// The picture fitted on a side x side square (see fitOnSquare). A drawing (SVG) is drawn at the
// size it is shown at, so it stays sharp. Throws CardSetError naming the file when it is missing
// or is not a picture that can be read.
QImage readSquarePicture(const QString &path, int side);

} // namespace brivmemo::cardtool
