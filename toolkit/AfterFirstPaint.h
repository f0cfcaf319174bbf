// SPDX-License-Identifier: MIT
// Work the start-up does not wait for: it runs once the window's first paint is done, so the
// player sees the window as soon as without it.
#pragma once

#include <functional>

class QWidget;

namespace brivmemo {

// Call before the window is first shown; the action runs once, from the message loop.
void runAfterFirstPaint(QWidget &window, std::function<void()> action);

} // namespace brivmemo
