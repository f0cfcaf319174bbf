// SPDX-License-Identifier: MIT
// A player-name field: at most so many characters from a person, as LengthLimitValidator keeps
// it, and every letter that the settings file's code page cannot hold shown at once as the "?"
// that the file will keep, so that the name a player sees is the name the game stores.
#pragma once

#include "LengthLimitValidator.h"

namespace brivmemo {

class NameFieldValidator final : public LengthLimitValidator {
    Q_OBJECT

public:
    using LengthLimitValidator::LengthLimitValidator;

    State validate(QString &input, int &position) const override;
};

} // namespace brivmemo
