// SPDX-License-Identifier: MIT
#include "PlayerTurnDescription.h"

#include "JanelaJogo.h"
#include "SystemColors.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>

PlayerTurnDescription::PlayerTurnDescription(QGroupBox &box, QLabel &name)
    : QObject(&box)
    , box_(box)
    , name_(name)
{
    name_.installEventFilter(this);
    describe();
}

bool PlayerTurnDescription::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        describe();
    return false;
}

void PlayerTurnDescription::describe()
{
    const bool turn = name_.palette().color(QPalette::WindowText) == brivmemo::toQColor(brivmemo::CorDaVez);
    box_.setAccessibleDescription(tr(turn ? Turn : NoTurn));
}
