// SPDX-License-Identifier: MIT
// Puts a card set's pictures and face names into the main window while a game goes on. The
// cards keep their places and faces, since a face is known by its index in the list, so the
// game in progress goes on with the same pairs in the new pictures.
#pragma once

#include "CardSetCatalog.h"

#include <QString>

class TForm1;

namespace brivmemo::cardset {
class CardSetError;
}

namespace brivmemo::extras {

class CardSetSwitcher {
public:
    explicit CardSetSwitcher(TForm1 &form);

    // The folder name of the set shown; empty for the game's own pictures, which are shown at
    // first.
    const QString &shownFolderName() const { return shown_; }

    // Reads the whole set, then shows it. Throws CardSetError when the set cannot be used; the
    // window keeps its pictures and names then.
    void show(const FoundCardSet &set);

private:
    TForm1 &form_;
    QString shown_;
};

// "Card set “NAME” cannot be used: REASON", for the player.
QString cannotBeUsedText(const QString &setName, const cardset::CardSetError &error);

// The set's name in the player's language, read from its folder; the folder name when its
// metadata cannot be read.
QString cardSetDisplayName(const FoundCardSet &set);

} // namespace brivmemo::extras
