// SPDX-License-Identifier: MIT
// The program's three message boxes: the confirmation box for questions, the plain box for
// results and the standard error box for failures. Each is modal over the active window, or
// over the owner window when no window is active.
#pragma once

#include <QString>
#include <functional>

class QAbstractButton;
class QMessageBox;
class QWidget;

namespace brivmemo {

// Caption "Confirm", a question-mark icon, "&Yes" as the default button and "&No" on Esc.
// True when the answer is "&Yes".
bool confirm(const QString &text);

// The given caption, no icon and one OK button.
void showMessage(const QString &caption, const QString &text);

// The application title as caption, an error icon and one OK button.
void showErrorBox(const QString &text);

// Answers a box instead of showing it: called with the box fully set up, it returns the
// button that answers, or nullptr for closing it as Esc would. Tests set one, since a modal
// loop would wait for a person. An empty hook shows the real boxes again.
using MessageBoxHook = std::function<QAbstractButton *(QMessageBox &box)>;

// Returns the hook that was set before.
MessageBoxHook setMessageBoxHook(MessageBoxHook hook);

// The window that the boxes belong to while no window of the program is active, as on a
// Wayland desktop that has not given the program the keyboard yet. The boxes forget it when it
// is destroyed.
void setMessageBoxOwner(QWidget *owner);

} // namespace brivmemo
