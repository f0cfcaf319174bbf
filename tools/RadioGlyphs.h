// SPDX-License-Identifier: MIT
// The radio button glyph strip: two 17 x 17 frames side by side on magenta, the colour the button
// leaves out when it draws. Frame 0 is a plain silver ball, frame 1 an orange ball with a mark.
#pragma once

#include <QImage>
#include <QRgb>
#include <QSize>

namespace brivmemo::tools {

inline constexpr QRgb kGlyphGround = 0xFFFF00FF;
inline constexpr QSize kGlyphStripSize(34, 17);

enum class GlyphMark { Check, Cross };

// The strip at the given scale: 34 x 17 pixels times scale, the same drawing at finer pixels.
QImage drawRadioStrip(GlyphMark mark, int scale);

} // namespace brivmemo::tools
