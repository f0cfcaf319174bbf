// SPDX-License-Identifier: MIT
#include "RadioGroupDescription.h"

#include "DialogChars.h"
#include "MMBitmapRadioButton.h"

#include <QGroupBox>

using brivmemo::TMMBitmapRadioButton;

RadioGroupDescription::RadioGroupDescription(QGroupBox &box)
    : QObject(&box)
    , box_(box)
{
    for (const TMMBitmapRadioButton *button :
        box.findChildren<TMMBitmapRadioButton *>(Qt::FindDirectChildrenOnly))
        connect(button, &TMMBitmapRadioButton::checkedChanged, this, &RadioGroupDescription::describe);
    describe();
}

void RadioGroupDescription::describe()
{
    const QList<TMMBitmapRadioButton *> buttons
        = box_.findChildren<TMMBitmapRadioButton *>(Qt::FindDirectChildrenOnly);
    for (const TMMBitmapRadioButton *button : buttons) {
        if (button->Checked()) {
            box_.setAccessibleDescription(
                tr("Selected: %1").arg(brivmemo::withoutAcceleratorMarks(button->Caption())));
            return;
        }
    }
    box_.setAccessibleDescription(tr("Nothing selected"));
}
