// SPDX-License-Identifier: MIT
#include "GameEvents.h"

#include "memo.h"

namespace brivmemo::extras {

GameEvents::GameEvents(TForm1 &form)
    : QObject(&form)
{
    form.setObserver(this);
}

} // namespace brivmemo::extras
