// SPDX-License-Identifier: MIT
#include "LengthLimitValidator.h"

#include <QLineEdit>

namespace brivmemo {

LengthLimitValidator::LengthLimitValidator(QLineEdit &field, int maxLength)
    : QValidator(&field)
    , field_(field)
    , maxLength_(maxLength)
    , lengthBefore_(field.text().size())
{
    connect(
        &field, &QLineEdit::textChanged, this, [this](const QString &text) { lengthBefore_ = text.size(); });
    field.setValidator(this);
}

QValidator::State LengthLimitValidator::validate(QString &input, int &) const
{
    // The field checks text set by the program too, right after it has emptied its undo
    // history; every edit by a person is on that history by the time it is checked.
    const bool setByProgram = !field_.isUndoAvailable();
    if (input.size() <= maxLength_ || setByProgram || input.size() < lengthBefore_)
        return Acceptable;
    return Invalid;
}

} // namespace brivmemo
