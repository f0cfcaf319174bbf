// SPDX-License-Identifier: MIT
#include "WindowFont.h"

namespace brivmemo {

QFont windowFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace brivmemo
