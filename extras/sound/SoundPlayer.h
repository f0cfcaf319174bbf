// SPDX-License-Identifier: MIT
// What plays the game's sounds, so that the game decides which sound goes with which event
// without needing an audio device; tests put a recorder in its place.
#pragma once

#include "Sound.h"

namespace brivmemo::sound {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    // Gets every sound ready to play; this takes a moment, so it is not done before the game's
    // window is first painted. A second call changes nothing.
    virtual void prepare() = 0;
    // Starts the sound and returns at once, never waiting for it. Before prepare(), or where
    // no sound can be played, it does nothing.
    virtual void play(Sound sound) = 0;
};

} // namespace brivmemo::sound
