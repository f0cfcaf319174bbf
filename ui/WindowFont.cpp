// SPDX-License-Identifier: MIT
#include "WindowFont.h"

#include <QStringList>

namespace brivmemo {

QFont windowFont()
{
    // Where "MS Sans Serif" is missing, faces of Arial's widths come first: the captions were
    // placed for a narrow face, and wider ones run into the values beside them.
    QFont font;
    font.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
            QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    font.setPixelSize(11);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace brivmemo
