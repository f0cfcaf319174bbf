// SPDX-License-Identifier: MIT
// The font of every window: "MS Sans Serif" at 11 pixels, or the system's sans-serif face
// where that font is not installed.
#pragma once

#include <QFont>

namespace brivmemo {

QFont windowFont();

} // namespace brivmemo
