// SPDX-License-Identifier: MIT
// Menu items built the way every window of the game builds them: named, bound to a handler
// that runs through the standard error box, and in a context menu showing the key of the
// main menu's twin without binding it.
#pragma once

#include <QKeyCombination>
#include <QString>
#include <functional>

class QAction;
class QMenu;

namespace brivmemo {

QAction *addMenuItem(QMenu &menu, const char *name, const QString &caption, std::function<void()> handler);

// The key is shown after the caption and left to the main menu's item: two actions with one
// shortcut would make Qt run neither.
QAction *addMenuItemShowingKey(QMenu &menu, const char *name, const QString &caption, QKeyCombination key,
    std::function<void()> handler);

void addMenuSeparator(QMenu &menu, const char *name);

} // namespace brivmemo
