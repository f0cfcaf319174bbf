// SPDX-License-Identifier: MIT
// Ties a top-level window to the window it belongs to, so that the window system keeps it over
// that window and, on Wayland, places it there. The owner is named through the native windows
// only: as a widget parent it would also change where Qt places the window on X11.
#pragma once

class QWidget;

namespace brivmemo {

// From now on, each time the window is shown it names the owner's native window as its
// transient parent, as long as the owner has one by then. The owner must outlive the window.
void keepTransientFor(QWidget &window, const QWidget &owner);

} // namespace brivmemo
