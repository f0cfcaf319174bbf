// SPDX-License-Identifier: MIT
#include "MMFontStyle.h"

#include "MMBitmapRadioButton.h"

namespace brivmemo {

QFont withFontStyles(QFont font, TFontStyles styles)
{
    font.setBold(styles.testFlag(TFontStyle::fsBold));
    font.setItalic(styles.testFlag(TFontStyle::fsItalic));
    font.setUnderline(styles.testFlag(TFontStyle::fsUnderline));
    font.setStrikeOut(styles.testFlag(TFontStyle::fsStrikeOut));
    return font;
}

TMMFontStyle::TMMFontStyle(TMMBitmapRadioButton &ownerButton, TColor color)
    : ownerButton_(ownerButton)
    , color_(color)
{ }

void TMMFontStyle::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    changed();
}

void TMMFontStyle::SetStyle(TFontStyles style)
{
    if (style == style_)
        return;
    style_ = style;
    changed();
}

void TMMFontStyle::changed()
{
    ownerButton_.repaint();
}

} // namespace brivmemo
