// SPDX-License-Identifier: MIT
// For start-up measurements: the process ends as soon as the window's first paint is done, so
// that the time from starting a program to its end is the time to its first painted window.
// Only the measuring programs link it; the game itself never ends this way.
#pragma once

class QWidget;

namespace brivmemo {

// Call before the window is first shown.
void exitAfterFirstPaint(QWidget &window);

} // namespace brivmemo
