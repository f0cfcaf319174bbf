// SPDX-License-Identifier: MIT
// Stores a drawn picture in the smallest of the forms a card set holds that keeps every colour:
// 8 bits with a colour table when it has at most 256 colours, 24 bits otherwise.
#pragma once

#include "BmpCodec.h"

#include <QImage>

namespace brivmemo::cardtool {

inline constexpr int kMaxTableColors = 256;

// The picture's alpha is ignored. The colour table lists the picture's colours in ascending
// order of their value, so the same picture always gives the same bytes.
DibPixels toCardPixels(const QImage &picture);

} // namespace brivmemo::cardtool
