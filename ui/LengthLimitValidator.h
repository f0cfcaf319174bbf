// SPDX-License-Identifier: MIT
// Limits what a person types, pastes or drops into a one-line field to a number of characters,
// while text that the program puts into the field is kept whole, however long: an edit that
// would leave the field longer than the limit is refused unless it shortens the text.
#pragma once

#include <QValidator>

class QLineEdit;

namespace brivmemo {

class LengthLimitValidator : public QValidator {
    Q_OBJECT

public:
    // Becomes the field's validator and a child of it.
    LengthLimitValidator(QLineEdit &field, int maxLength);

    int maxLength() const { return maxLength_; }

    State validate(QString &input, int &position) const override;

private:
    QLineEdit &field_;
    const int maxLength_;
    qsizetype lengthBefore_;
};

} // namespace brivmemo
