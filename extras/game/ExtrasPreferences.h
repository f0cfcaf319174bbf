// SPDX-License-Identifier: MIT
// The player's choices of the extras, kept from one start to the next in the extras' own
// preferences file, never in the game's settings file.
#pragma once

#include <QString>

namespace brivmemo::extras {

// The folder name of the card set the player chose last; empty for the game's own pictures.
QString keptCardSet();
void keepCardSet(const QString &folderName);

// A switch of the extras, on or off, under its key; byDefault until the player first sets it.
bool keptSwitch(const QString &key, bool byDefault);
void keepSwitch(const QString &key, bool on);

} // namespace brivmemo::extras
