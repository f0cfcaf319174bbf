// SPDX-License-Identifier: MIT
// The program's three message boxes: the confirmation box for questions, the plain box for
// results and the standard error box for failures. Each is modal over the active window.
#pragma once

#include <QString>
#include <functional>

class QAbstractButton;
class QMessageBox;

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

} // namespace brivmemo
