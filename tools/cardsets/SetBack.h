// SPDX-License-Identifier: MIT
// Draws the back of a shipped card set: a field of the set's colour with its pattern, a white
// frame, and the set's motif on a white disc in the middle.
#pragma once

#include "ShippedSets.h"

#include <QImage>

namespace brivmemo::tools {

// The back on a side x side square; motif is drawn fitted in the middle disc.
QImage drawSetBack(const BackDesign &design, const QImage &motif, int side);

} // namespace brivmemo::tools
