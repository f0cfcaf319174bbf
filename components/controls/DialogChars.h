// SPDX-License-Identifier: MIT
// How accelerator letters reach the radio buttons. A letter is offered to a window's controls
// in a fixed order: in each container its windowless controls first, then its other child
// widgets, each group in creation order, and each container's children right after it. The
// first control that takes the letter gets it. A letter counts as typed with Alt, or alone
// when the window's focus widget does not take text.
//
// Qt would hand Alt+letter to the first push button or group box with that mnemonic before any
// control saw the key. So one application-wide event filter looks at each key first (at the
// shortcut check Qt makes before every key press, and at the key press itself) and, when the
// first control in the order above that takes the letter is a radio button, clicks it and
// keeps the key from Qt's shortcuts. Letters that a Qt widget earlier in the order claims, or
// that no radio button takes, go on to Qt untouched. Thus in the game-type dialog the "C" of
// "HUMAN x &COMPUTER" checks that button although the later push button reads "&Close".
#pragma once

#include <QChar>
#include <QString>

class QKeyEvent;
class QWidget;

namespace brivmemo {

class TMMBitmapRadioButton;

// The letter after the first "&" that is not part of "&&"; a null character when there is none.
QChar acceleratorOf(const QString &caption);

// The caption as it reads on the screen: each single "&" left out and each "&&" one "&".
QString withoutAcceleratorMarks(const QString &caption);

// The letter a key event offers as an accelerator in its window, or a null character.
QChar dialogCharOf(const QKeyEvent &event, const QWidget &focusWidget);

// The radio button of the window that the letter goes to, or nullptr when no radio button
// takes it or a Qt widget with that mnemonic comes first.
TMMBitmapRadioButton *dialogCharTarget(QWidget &window, QChar character);

// Installs the application-wide filter once; radio buttons call it when they are created.
void installDialogCharRouter();

} // namespace brivmemo
