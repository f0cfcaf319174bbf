// SPDX-License-Identifier: MIT
// The card sets a player can choose: the game's own pictures first, then every set in the
// card-set folders, by name in the player's language. Finding them reads only their metadata.
#pragma once

#include "CardSetMetadata.h"

#include <QString>
#include <vector>

namespace brivmemo::extras {

struct FoundCardSet {
    // The set's folder name, which the player's choice keeps; empty for the game's own set.
    QString folderName;
    // Where the set lies; empty for the game's own set.
    QString folder;
    cardset::CardSetMetadata metadata;

    bool isBuiltIn() const { return folderName.isEmpty(); }
};

// The game's own pictures, "Animals", with the names the table's places use for them.
FoundCardSet builtInCardSet();

// The game's own set, then the sets of every search folder. A folder name found in an earlier
// search folder hides the same name in later ones, and a set whose metadata cannot be read is
// left out, also when it hides another. The others follow by their names in the language ("de",
// "pt_BR"; empty for English).
std::vector<FoundCardSet> findCardSets(const QString &language);

// The folder of the set with this folder name in the first search folder that holds it, or
// where the player's own sets are installed when none does. The metadata is not read.
FoundCardSet locateCardSet(const QString &folderName);

} // namespace brivmemo::extras
