// SPDX-License-Identifier: MIT
#include "KeptSwitchItem.h"

#include "ErrorBox.h"
#include "ExtrasPreferences.h"

#include <QAction>
#include <QMenu>

namespace brivmemo::extras {

QAction *addKeptSwitchItem(QMenu &menu, const QString &caption, const QString &key, bool byDefault,
    std::function<void(bool on)> changed)
{
    QAction *item = menu.addAction(caption);
    item->setCheckable(true);
    item->setChecked(keptSwitch(key, byDefault));
    QObject::connect(item, &QAction::toggled, item, guarded([item, key, changed = std::move(changed)] {
        keepSwitch(key, item->isChecked());
        changed(item->isChecked());
    }));
    return item;
}

} // namespace brivmemo::extras
