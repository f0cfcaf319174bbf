// SPDX-License-Identifier: MIT
#include "CardSetSwitcher.h"

#include "CardFaceNames.h"
#include "CardSet.h"
#include "CardSetError.h"
#include "CardSetStream.h"
#include "Globais.h"
#include "ListResource.h"
#include "TablePlaceAccessible.h"
#include "Translations.h"
#include "memo.h"

#include <QCoreApplication>

namespace brivmemo::extras {

CardSetSwitcher::CardSetSwitcher(TForm1 &form)
    : form_(form)
{ }

void CardSetSwitcher::show(const FoundCardSet &set)
{
    const QString language = installedLanguage();
    if (set.isBuiltIn()) {
        // The very stream the window was built from, read as it was then.
        loadBitmapListResource(*form_.MMBitmapList1, QStringLiteral(":/memo.mbml"));
        setCardFaceNames(set.metadata.localizedFaces(language));
    } else {
        const cardset::CardSet read = cardset::readCardSet(set.folder);
        cardset::fillList(*form_.MMBitmapList1, read.pictures);
        setCardFaceNames(read.metadata.localizedFaces(language));
    }
    shown_ = set.folderName;
    for (int place = 1; place <= NumLugares; ++place)
        TablePlaceAccessible::announceChange(form_.image(place));
}

QString cannotBeUsedText(const QString &setName, const cardset::CardSetError &error)
{
    return QCoreApplication::translate(
        "brivmemo::extras::CardSetSwitcher", "Card set “%1” cannot be used: %2")
        .arg(setName, error.message());
}

QString cardSetDisplayName(const FoundCardSet &set)
{
    if (set.isBuiltIn())
        return set.metadata.localizedName(installedLanguage());
    try {
        return cardset::readCardSetMetadata(set.folder).localizedName(installedLanguage());
    } catch (const cardset::CardSetError &) {
        return set.folderName;
    }
}

} // namespace brivmemo::extras
