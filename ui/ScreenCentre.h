// SPDX-License-Identifier: MIT
// Places a window in the middle of its screen, frame included, before it is shown.
#pragma once

class QWidget;

namespace brivmemo {

// Before a window is first shown its frame is not known yet, and its client size stands in.
void centreOnScreen(QWidget &window);

} // namespace brivmemo
