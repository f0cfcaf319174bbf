// SPDX-License-Identifier: MIT
#include "TablePlaceAccessible.h"

#include "CardFaceNames.h"
#include "MMBitmapListImage.h"
#include "TableKeyboard.h"
#include "TableNavigation.h"

using brivmemo::TMMBitmapListImage;

TablePlaceAccessible::TablePlaceAccessible(TMMBitmapListImage &card, const TableKeyboard *keyboard)
    : QAccessibleWidget(&card, QAccessible::Button)
    , keyboard_(keyboard)
{ }

void TablePlaceAccessible::announceChange(TMMBitmapListImage &card)
{
    QAccessibleEvent nameChanged(&card, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
}

TMMBitmapListImage &TablePlaceAccessible::card() const
{
    return static_cast<TMMBitmapListImage &>(*widget());
}

QString TablePlaceAccessible::placeState() const
{
    const TMMBitmapListImage &place = card();
    if (place.isHidden())
        return tr("taken");
    if (place.BitmapIndex() == 0)
        return tr("face down");
    return cardFaceName(place.BitmapIndex());
}

QString TablePlaceAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return QAccessibleWidget::text(t);
    const int index = card().Tag() - 1;
    //: The accessible name of a card place: its row and column on the table, then what lies there
    //: ("face down", "taken" or the name of the card's picture).
    return tr("row %1, column %2, %3")
        .arg(QString::number(index / TableColumns + 1), QString::number(index % TableColumns + 1),
            placeState());
}

QAccessible::Role TablePlaceAccessible::role() const
{
    return QAccessible::Button;
}

QAccessible::State TablePlaceAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    const TMMBitmapListImage &place = card();
    if (place.isHidden()) {
        // The control is hidden, but the place is still on the table.
        state.invisible = place.parentWidget() != nullptr && !place.parentWidget()->isVisible();
        state.disabled = true;
    }
    state.focusable = true;
    state.focused = keyboard_ != nullptr && keyboard_->isFrameShown() && keyboard_->place() == place.Tag()
        && place.window()->isActiveWindow();
    return state;
}

QStringList TablePlaceAccessible::actionNames() const
{
    if (card().isHidden())
        return {};
    return {pressAction()};
}

void TablePlaceAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        TableKeyboard::clickCard(card());
}
