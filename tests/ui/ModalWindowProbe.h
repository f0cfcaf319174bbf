// SPDX-License-Identifier: MIT
#pragma once

#include <QTimer>
#include <functional>

namespace brivmemo::test {

// Runs the action inside the window's modal loop; tells whether the window was still open
// right after it. A window left open is hidden then, which ends the loop.
template<typename Window> bool openAfter(Window &window, const std::function<void()> &action)
{
    bool open = false;
    QTimer::singleShot(0, &window, [&] {
        action();
        open = window.isVisible();
        window.hide();
    });
    window.ShowModal();
    return open;
}

} // namespace brivmemo::test
