// SPDX-License-Identifier: MIT
// Where the extras keep and find what is theirs, following XDG through QStandardPaths, so that
// the game and brivmemo-cardset always agree.
#pragma once

#include <QString>
#include <QStringList>

namespace brivmemo::cardset {

// "<user data>/brivmemo/card-sets": where sets are installed for the player.
QString userCardSetFolder();
// The folders that may hold sets, in the order they are searched: the user's, each system data
// location's "brivmemo/card-sets", then the folder the build tree names beside the program
// (the sets the game ships, for a program that is not installed). Folders that do not exist are
// listed too.
QStringList cardSetSearchFolders();
// "<user config>/brivmemo/extras.ini": the extras' preferences.
QString extrasPreferencesFile();
// "<user data>/brivmemo/statistics.sqlite": the games played to their end.
QString statisticsFile();

} // namespace brivmemo::cardset
