// SPDX-License-Identifier: MIT
// The game's windows with a card flipper on a clock that the test moves, made as the extras
// make it, with its "&Flip Cards" item in a menu of the test's own. Several tables may follow
// one another in a test, one at a time.
#pragma once

#include "GameWindows.h"

#include <QAction>
#include <QImage>
#include <cstdint>
#include <vector>

class TForm1;

namespace brivmemo::extras {
class AnimationClock;
class CardFlipOverlay;
class GameEvents;
} // namespace brivmemo::extras

namespace brivmemo::test {

class FlippingTable {
public:
    // Shows the main window, answers the game-type dialog and deals the game of the seed.
    FlippingTable(extras::AnimationClock &clock, bool flipping, bool againstComputer, std::uint32_t seed);

    TForm1 &form() const { return windows_.mainWindow(); }
    extras::GameEvents &events() const { return *events_; }
    QAction &flipItem() const { return *flipItem_; }

    // The overlays shown in the window now.
    std::vector<extras::CardFlipOverlay *> shownOverlays() const;
    // A press and release of the left button over the middle of the card, given to the window
    // as the window system gives it, so that it reaches whatever lies there.
    void clickThroughWindow(int place) const;
    // The card's place on the table as the table shows it now, with everything over it.
    QImage shownAt(int place) const;

private:
    TGameWindows windows_;
    extras::GameEvents *events_;
    QAction *flipItem_;
};

// The widget painted into an image of the device ratio, as a screen of that density shows it.
QImage paintedAt(QWidget &widget, qreal ratio);

} // namespace brivmemo::test
