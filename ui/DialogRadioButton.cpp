// SPDX-License-Identifier: MIT
#include "DialogRadioButton.h"

#include "MMCheck.h"
#include "WindowFont.h"

namespace brivmemo {

TMMBitmapRadioButton *createDialogRadioButton(
    QWidget &box, const char *name, const QString &caption, QRect bounds)
{
    auto *const button = new TMMBitmapRadioButton(&box);
    button->beginLoading();
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(bounds);
    button->SetCaption(caption);
    QFont font = windowFont();
    font.setBold(true);
    button->setFont(font);
    button->SetTransparent(true);
    button->SetNumGlyphs(2);
    button->SetMargin(4);
    button->SetAllowMouseOver(true);
    for (TMMFontStyle *const style : {&button->FontActive(), &button->FontInactive()}) {
        style->SetColor(clBlack);
        style->SetStyle({TFontStyle::fsBold});
    }
    return button;
}

} // namespace brivmemo
