// SPDX-License-Identifier: MIT
// The game's sounds played through Qt Multimedia on the desktop's audio output. Without an
// audio output (no sound server, as on a build machine) the game stays silent and says nothing
// about it.
#pragma once

#include "SoundPlayer.h"

#include <QObject>
#include <array>

namespace brivmemo::sound {

class SoundClip;

class SoundEffects final : public QObject, public SoundPlayer {
public:
    SoundEffects() = default;

    void prepare() override;
    void play(Sound sound) override;

private:
    bool prepared_ = false;
    // Indexed by Sound; empty until prepared, and for good where there is no audio output.
    std::array<SoundClip *, AllSounds.size()> clips_ {};
};

} // namespace brivmemo::sound
