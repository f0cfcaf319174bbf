// SPDX-License-Identifier: MIT
// A check item of the "&Extras" menu that switches an extra on or off and keeps the choice in
// the extras' preferences for the next start.
#pragma once

#include <QString>
#include <functional>

class QAction;
class QMenu;

namespace brivmemo::extras {

// Checked as kept under the key (byDefault the first time); each change is kept and then told
// to changed.
QAction *addKeptSwitchItem(QMenu &menu, const QString &caption, const QString &key, bool byDefault,
    std::function<void(bool on)> changed);

} // namespace brivmemo::extras
