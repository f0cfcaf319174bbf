// SPDX-License-Identifier: MIT
// TMMFontStyle: the colour and style of a radio button's caption in one of its two looks
// (pointer over it or not). Changing either repaints the button that owns it.
#pragma once

#include "Colors.h"
#include "Persistent.h"

#include <QFlags>
#include <QFont>

namespace brivmemo {

class TMMBitmapRadioButton;

enum class TFontStyle : unsigned { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)

// The font with exactly the given styles: those not in the set are switched off.
QFont withFontStyles(QFont font, TFontStyles styles);

class TMMFontStyle : public TPersistent {
public:
    TMMFontStyle(TMMBitmapRadioButton &ownerButton, TColor color);

    const char *ClassName() const override { return "TMMFontStyle"; }

    TColor Color() const { return color_; }
    TFontStyles Style() const { return style_; }
    // Each setter repaints the owner button in full when the value changes.
    void SetColor(TColor color);
    void SetStyle(TFontStyles style);

    TMMBitmapRadioButton &OwnerButton() const { return ownerButton_; }

private:
    void changed();

    TMMBitmapRadioButton &ownerButton_;
    TColor color_;
    TFontStyles style_;
};

} // namespace brivmemo

Q_DECLARE_OPERATORS_FOR_FLAGS(brivmemo::TFontStyles)
