// SPDX-License-Identifier: MIT
// Exceptions never cross Qt's frames: every event handler runs through runGuarded, which
// shows the message of an exception escaping the handler in the standard error box and lets
// the program go on, as if the handler had ended at the failing step.
#pragma once

#include "ErrorText.h"
#include "MessageBoxes.h"

#include <QString>
#include <exception>
#include <functional>
#include <utility>

namespace brivmemo {

template<typename Handler, typename... Args> void runGuarded(Handler &&handler, Args &&...args)
{
    try {
        std::invoke(std::forward<Handler>(handler), std::forward<Args>(args)...);
    } catch (const std::exception &error) {
        showErrorBox(errorText(error));
    }
}

// A callable for QObject::connect that runs the handler through runGuarded; the signal's
// arguments are not passed on.
template<typename Handler> auto guarded(Handler handler)
{
    return [handler = std::move(handler)]() { runGuarded(handler); };
}

} // namespace brivmemo
