// SPDX-License-Identifier: MIT
// The radio buttons of the game-type and options dialogs share their look: bold captions in
// black whether or not the pointer is over them, glyphs from a strip of two frames, and the
// group box showing through. The window that creates one closes its loading bracket.
#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace brivmemo {

class TMMBitmapRadioButton;

// A button on the group box, still being loaded.
TMMBitmapRadioButton *createDialogRadioButton(
    QWidget &box, const char *name, const QString &caption, QRect bounds);

} // namespace brivmemo
