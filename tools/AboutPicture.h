// SPDX-License-Identifier: MIT
// The about window's 234 x 60 title picture: the game's name beside a small fan of cards.
#pragma once

#include <QImage>

namespace brivmemo::tools {

QImage drawAboutPicture();

} // namespace brivmemo::tools
