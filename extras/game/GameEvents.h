// SPDX-License-Identifier: MIT
// The engine's game events as Qt signals, so that each extra listens to those it needs: the
// engine tells one observer, and this one passes everything on.
#pragma once

#include "GameObserver.h"

#include <QObject>

class TForm1;

namespace brivmemo::extras {

class GameEvents final : public QObject, public GameObserver {
    Q_OBJECT

public:
    // Listens to the main window's engine from now on; belongs to the window.
    explicit GameEvents(TForm1 &form);

    void gameDealt() override { emit dealt(); }
    void cardTurnedUp(int place) override { emit turnedUp(place); }
    void cardTurnedDown(int place) override { emit turnedDown(place); }
    void cardRemoved(int place) override { emit removed(place); }
    void moveScored(bool pair, int player) override { emit scored(pair, player); }
    void gameOver() override { emit over(); }
    void allCardsShown() override { emit allShown(); }

signals:
    void dealt();
    void turnedUp(int place);
    void turnedDown(int place);
    void removed(int place);
    void scored(bool pair, int player);
    void over();
    void allShown();
};

} // namespace brivmemo::extras
