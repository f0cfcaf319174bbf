// SPDX-License-Identifier: MIT
// Draws animals from the colour emoji font and lays pictures out for the square card, which
// stretches every picture to its own size: a picture meant to look right on the card is drawn
// stretched by the inverse amount.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace brivmemo::tools {

// The emoji at the font's own bitmap size on a transparent ground, cut to the pixels it covers.
// Fails when the colour emoji font is not installed.
QImage renderEmoji(const QString &emoji);

// The same emoji from its vector drawing, the file CODEPOINT.svg in the folder (see
// fetch-noto.sh), drawn side pixels square and cut to the pixels it covers: the same picture
// as renderEmoji gives, in as many pixels as are wanted. Fails when the file does not read.
QImage renderEmojiDrawing(const QString &drawingFolder, const QString &emoji, int side);

// A picture of the given size on the given ground, with the art centred and scaled so that, once
// the whole picture is stretched to a square, the art keeps its proportions and its longer side
// spans the given fraction of the square.
QImage placeForSquare(const QImage &art, QSize pictureSize, double fraction, const QColor &ground);

} // namespace brivmemo::tools
