// SPDX-License-Identifier: MIT
// "&Extras" in the main window's menu bar, between "&Game" and "&Help", with "&Card Set": one
// check item per set found when the submenu opens, the set shown checked. Choosing one shows
// it at once and keeps it for the next start; one that cannot be used is reported and changes
// nothing.
#pragma once

#include "CardSetCatalog.h"

#include <QObject>
#include <vector>

class QActionGroup;
class QMenu;
class TForm1;

namespace brivmemo::extras {

class CardSetSwitcher;

class CardSetMenu : public QObject {
    Q_OBJECT

public:
    CardSetMenu(QObject &owner, TForm1 &form, CardSetSwitcher &switcher);

    QMenu &extrasMenu() const { return *extras_; }
    QMenu &cardSetMenu() const { return *cardSets_; }

private:
    void listCardSets();
    void checkShownSet();
    void choose(const FoundCardSet &set);

    CardSetSwitcher &switcher_;
    QMenu *extras_ = nullptr;
    QMenu *cardSets_ = nullptr;
    QActionGroup *items_ = nullptr;
    std::vector<FoundCardSet> listed_;
};

} // namespace brivmemo::extras
