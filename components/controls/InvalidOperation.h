// SPDX-License-Identifier: MIT
// The toolkit's error for an operation that a control cannot carry out in its present state.
#pragma once

#include "Exceptions.h"

#include <QString>

namespace brivmemo {

class EInvalidOperation : public Exception {
public:
    using Exception::Exception;

    // "Control '%s' has no parent window", with the control's name.
    static EInvalidOperation parentRequired(const QString &controlName)
    {
        return EInvalidOperation(Message::NoParentWindow, {controlName.toStdString()});
    }
};

} // namespace brivmemo
