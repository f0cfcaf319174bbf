// SPDX-License-Identifier: MIT
// The about window's 234 x 60 title picture: the game's name beside a small fan of cards.
#pragma once

#include <QImage>
#include <QString>
#include <functional>

namespace brivmemo::tools {

// Draws an emoji on a transparent ground, cut to the pixels it covers.
using EmojiPainter = std::function<QImage(const QString &emoji)>;

// The picture at 234 x 60 pixels times scale, with the animals the emoji painter gives.
QImage drawAboutPicture(int scale, const EmojiPainter &emoji);

} // namespace brivmemo::tools
