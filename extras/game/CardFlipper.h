// SPDX-License-Identifier: MIT
// "&Flip Cards" in the "&Extras" menu: while it is checked, a card that turns face up or face
// down flips over, and a pair that leaves the table fades into it. The game itself does not
// wait for it: every card shows its new picture and takes clicks as it always does. A new deal,
// "&Show all Cards" and a new card set end every motion at once.
#pragma once

#include "CardFlipOverlay.h"
#include "Globais.h"
#include "MMObsrv.h"
#include "ScreenClock.h"

#include <QObject>
#include <QPointer>
#include <array>

class QAction;
class QMenu;
class TForm1;

namespace brivmemo::extras {

class GameEvents;

class CardFlipper final : public QObject {
    Q_OBJECT

public:
    // Adds a separator and the item to the menu; on until the player turns it off.
    CardFlipper(QObject &owner, TForm1 &form, QMenu &extrasMenu, const GameEvents &events,
        AnimationClock &clock = screenClock());
    ~CardFlipper() override;

private:
    void start(int place, int shownBefore, CardFlipOverlay::Motion motion);
    void end(int place);
    void endAll();
    // The face dealt to the place, which it showed until it turned down or left.
    int face(int place) const;

    TForm1 &form_;
    AnimationClock &clock_;
    QAction *item_;
    std::array<QPointer<CardFlipOverlay>, NumLugares + 1> running_;
    // Hears of every change of the window's pictures.
    TMMObserver pictures_;
};

} // namespace brivmemo::extras
