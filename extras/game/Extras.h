// SPDX-License-Identifier: MIT
// The extras of the game, put into its main window: the "&Extras" menu with the card sets, and
// the card set the player chose last, shown again once the window has first been painted.
#pragma once

class QWidget;

namespace brivmemo::extras {

// Call with the main window before it is first shown, once the game's windows all exist. The
// extras belong to the window and go with it.
void installExtras(QWidget &mainWindow);

} // namespace brivmemo::extras
