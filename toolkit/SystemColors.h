// SPDX-License-Identifier: MIT
// Turns stored colour values into colours to paint with. System colours are looked up in the
// application palette (the Fusion style's standard palette), so they follow the desktop the
// same way everywhere.
#pragma once

#include "Colors.h"

#include <QColor>

namespace brivmemo {

// The colour to paint with; a system colour number beyond the known ones gives black.
QColor toQColor(TColor color);

// A system colour replaced by its present value 0x00BBGGRR; every other value unchanged.
TColor colorToRgb(TColor color);

TColor fromQColor(const QColor &color);

} // namespace brivmemo
