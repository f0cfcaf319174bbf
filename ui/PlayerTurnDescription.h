// SPDX-License-Identifier: MIT
// Says in a player box's accessible description whether it is that player's turn, which the
// screen shows only by the red colour of the player's labels. It follows the colour of the
// name label, as the game sets it, and leaves every text on the screen as it is.
#pragma once

#include <QObject>

class QGroupBox;
class QLabel;

class PlayerTurnDescription : public QObject {
    Q_OBJECT

public:
    static constexpr const char *Turn = QT_TR_NOOP("It is this player's turn");
    static constexpr const char *NoTurn = QT_TR_NOOP("It is the other player's turn");

    // Belongs to the box.
    PlayerTurnDescription(QGroupBox &box, QLabel &name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void describe();

    QGroupBox &box_;
    QLabel &name_;
};
