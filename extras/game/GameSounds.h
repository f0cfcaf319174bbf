// SPDX-License-Identifier: MIT
// "S&ound" in the "&Extras" menu, on until the player turns it off: a sound for each card
// turned over, for each pair found and each miss, and for the end of a game: won, lost or drawn.
// The sounds are made ready once the window has first been painted, so the start does not wait.
#pragma once

#include "Sound.h"

#include <QObject>
#include <memory>

class QAction;
class QMenu;
class QWidget;

namespace brivmemo::sound {
class SoundPlayer;
}

namespace brivmemo::extras {

class GameEvents;

// The key of the switch in the extras' preferences.
inline constexpr char SoundSwitchKey[] = "Sound";

class GameSounds final : public QObject {
    Q_OBJECT

public:
    GameSounds(QObject &owner, QWidget &window, QMenu &extrasMenu, const GameEvents &events,
        std::unique_ptr<sound::SoundPlayer> player);
    ~GameSounds() override;

private:
    void play(sound::Sound sound);

    std::unique_ptr<sound::SoundPlayer> player_;
    QAction *switch_ = nullptr;
};

} // namespace brivmemo::extras
