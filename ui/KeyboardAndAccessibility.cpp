// SPDX-License-Identifier: MIT
#include "KeyboardAndAccessibility.h"

#include "PlayerTurnDescription.h"
#include "TableAccessible.h"
#include "TableKeyboard.h"
#include "memo.h"

void addKeyboardAndAccessibility(TForm1 &form)
{
    TableKeyboard::Places places {};
    for (int place = 1; place <= TablePlaces; ++place)
        places[static_cast<std::size_t>(place - 1)] = &form.image(place);
    // The table takes the focus when the window is activated, so that accessibility tools
    // follow the frame's place inside it.
    form.PnBaralho->setFocusPolicy(Qt::StrongFocus);
    const auto *keyboard = new TableKeyboard(form, *form.PnBaralho, places);
    TableAccessible::describe(*form.PnBaralho, places, *keyboard);
    new PlayerTurnDescription(*form.grbJg1, *form.lblJogador1);
    new PlayerTurnDescription(*form.grbJg2, *form.lblJogador2);
}
