// SPDX-License-Identifier: MIT
#include "TableAccessible.h"

#include "MMBitmapListImage.h"
#include "TablePlaceAccessible.h"

#include <algorithm>

using brivmemo::TMMBitmapListImage;

TableAccessible::TableAccessible(
    QWidget &table, const TableKeyboard::Places &places, const TableKeyboard *keyboard)
    : QAccessibleWidget(&table, QAccessible::Grouping)
    , places_(places)
    , keyboard_(keyboard)
{ }

void TableAccessible::describe(
    QWidget &table, const TableKeyboard::Places &places, const TableKeyboard &keyboard)
{
    // Registered interfaces belong to the accessibility cache, which deletes each one when
    // its widget goes.
    QAccessible::registerAccessibleInterface(new TableAccessible(table, places, &keyboard));
    for (TMMBitmapListImage *card : places)
        QAccessible::registerAccessibleInterface(new TablePlaceAccessible(*card, &keyboard));
    QObject::connect(&keyboard, &TableKeyboard::placeChanged, &table, [places](int place) {
        QAccessibleEvent focus(places[static_cast<std::size_t>(place - 1)], QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    });
}

QString TableAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return tr("Card table");
    return QAccessibleWidget::text(t);
}

QAccessible::Role TableAccessible::role() const
{
    return QAccessible::Grouping;
}

int TableAccessible::childCount() const
{
    return static_cast<int>(places_.size());
}

QAccessibleInterface *TableAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    return QAccessible::queryAccessibleInterface(places_[static_cast<std::size_t>(index)]);
}

int TableAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (child == nullptr)
        return -1;
    const auto *const found = std::find(places_.begin(), places_.end(), child->object());
    return found == places_.end() ? -1 : static_cast<int>(found - places_.begin());
}

QAccessibleInterface *TableAccessible::focusChild() const
{
    if (keyboard_ == nullptr || !keyboard_->isFrameShown())
        return nullptr;
    return child(keyboard_->place() - 1);
}
