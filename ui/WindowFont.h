// SPDX-License-Identifier: MIT
// The font of every window: "MS Sans Serif" at 11 pixels, or, where that font is not installed,
// a sans-serif face of similar widths, or else the system's sans-serif face.
#pragma once

#include <QFont>

namespace brivmemo {

QFont windowFont();

} // namespace brivmemo
