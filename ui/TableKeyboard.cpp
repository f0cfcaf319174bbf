// SPDX-License-Identifier: MIT
#include "TableKeyboard.h"

#include "MMBitmapListImage.h"
#include "TableFocusFrame.h"

#include <QKeyEvent>

using brivmemo::TMMBitmapListImage;

TableKeyboard::TableKeyboard(QWidget &window, QWidget &table, const Places &places)
    : QObject(&window)
    , frame_(new TableFocusFrame(table))
    , places_(places)
{
    setObjectName(QStringLiteral("TableKeyboard"));
    window.installEventFilter(this);
}

bool TableKeyboard::isFrameShown() const
{
    return !frame_->isHidden();
}

bool TableKeyboard::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    return handleKey(static_cast<const QKeyEvent &>(*event));
}

bool TableKeyboard::handleKey(const QKeyEvent &key)
{
    // Keypad arrows and Enter carry the keypad modifier; any other modifier makes the key
    // someone else's, such as the window's Alt+F4.
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    if (const std::optional<TableMove> move = tableMoveForKey(key.key())) {
        moveTo(placeAfterMove(place_, *move));
        return true;
    }
    switch (key.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        turnCardUnderFrame();
        return true;
    default:
        return false;
    }
}

void TableKeyboard::moveTo(int place)
{
    place_ = place;
    frame_->surround(places_[static_cast<std::size_t>(place - 1)]->geometry());
    frame_->show();
    emit placeChanged(place_);
}

void TableKeyboard::turnCardUnderFrame() const
{
    if (isFrameShown())
        clickCard(*places_[static_cast<std::size_t>(place_ - 1)]);
}

void TableKeyboard::clickCard(TMMBitmapListImage &card)
{
    if (card.isHidden())
        return;
    // The very signal a mouse click on the card gives, so that the game gets the turn through
    // the card's one click handler, with its lock and rules.
    emit card.clicked();
}
