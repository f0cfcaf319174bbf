// SPDX-License-Identifier: MIT
// For start-up measurements: when the environment variable BRIVMEMO_EXIT_AFTER_FIRST_PAINT is
// set, the process ends as soon as the window's first paint is done, so that the time from
// starting the program to its end is the time to its first painted window. Without the
// variable nothing changes.
#pragma once

class QWidget;

namespace brivmemo {

// Call before the window is first shown.
void exitAfterFirstPaintIfAsked(QWidget &window);

} // namespace brivmemo
