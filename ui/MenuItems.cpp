// SPDX-License-Identifier: MIT
#include "MenuItems.h"

#include "ErrorBox.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <utility>

namespace brivmemo {

QAction *addMenuItem(QMenu &menu, const char *name, const QString &caption, std::function<void()> handler)
{
    QAction *item = menu.addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    QObject::connect(item, &QAction::triggered, &menu, guarded(std::move(handler)));
    return item;
}

QAction *addMenuItemShowingKey(
    QMenu &menu, const char *name, const QString &caption, QKeyCombination key, std::function<void()> handler)
{
    const QString keyText = QKeySequence(key).toString(QKeySequence::NativeText);
    return addMenuItem(menu, name, caption + QLatin1Char('\t') + keyText, std::move(handler));
}

void addMenuSeparator(QMenu &menu, const char *name)
{
    menu.addSeparator()->setObjectName(QString::fromLatin1(name));
}

} // namespace brivmemo
