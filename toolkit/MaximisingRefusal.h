// SPDX-License-Identifier: MIT
// Keeps a window at the size and place it has when something asks to maximise it. The game's
// windows have no maximise button, but some window systems draw one on every window all the
// same, and a compositor may maximise a window on its own.
#pragma once

class QWidget;

namespace brivmemo {

// From now on, every maximising of the window is taken back at once; minimising stays allowed.
void refuseMaximising(QWidget &window);

} // namespace brivmemo
