// SPDX-License-Identifier: MIT
#include "CardSetMenu.h"

#include "CardSetError.h"
#include "CardSetSwitcher.h"
#include "ErrorBox.h"
#include "ExtrasPreferences.h"
#include "MessageBoxes.h"
#include "Translations.h"
#include "memo.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace brivmemo::extras {

CardSetMenu::CardSetMenu(QObject &owner, TForm1 &form, CardSetSwitcher &switcher)
    : QObject(&owner)
    , switcher_(switcher)
{
    extras_ = new QMenu(tr("&Extras"), form.menuBar());
    extras_->setObjectName(QStringLiteral("mnExtras"));
    form.menuBar()->insertMenu(form.mnAjuda->menuAction(), extras_);
    cardSets_ = extras_->addMenu(tr("&Card Set"));
    cardSets_->setObjectName(QStringLiteral("mnCardSet"));
    items_ = new QActionGroup(this);
    items_->setExclusive(true);
    connect(cardSets_, &QMenu::aboutToShow, this, guarded([this] { listCardSets(); }));
}

void CardSetMenu::listCardSets()
{
    cardSets_->clear();
    const QString language = installedLanguage();
    listed_ = findCardSets(language);
    for (const FoundCardSet &set : listed_) {
        // An "&" in a name is shown as written, never taken to mark a key.
        QAction *item
            = cardSets_->addAction(set.metadata.localizedName(language).replace(u'&', QStringLiteral("&&")));
        item->setCheckable(true);
        items_->addAction(item);
        connect(item, &QAction::triggered, this, guarded([this, set] { choose(set); }));
    }
    checkShownSet();
}

void CardSetMenu::checkShownSet()
{
    const QList<QAction *> items = items_->actions();
    for (qsizetype index = 0; index < items.size(); ++index)
        items[index]->setChecked(
            listed_[static_cast<std::size_t>(index)].folderName == switcher_.shownFolderName());
}

void CardSetMenu::choose(const FoundCardSet &set)
{
    try {
        switcher_.show(set);
    } catch (const cardset::CardSetError &error) {
        checkShownSet();
        showErrorBox(cannotBeUsedText(set.metadata.localizedName(installedLanguage()), error));
        return;
    }
    keepCardSet(set.folderName);
}

} // namespace brivmemo::extras
