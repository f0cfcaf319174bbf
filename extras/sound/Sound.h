// SPDX-License-Identifier: MIT
// The sounds of the game: one for a card turned over, one for each way a move ends and one for
// each way a game ends, each an embedded WAV file.
#pragma once

#include <QString>
#include <array>

namespace brivmemo::sound {

enum class Sound { CardTurned, PairFound, Missed, Won, Lost, Drawn };

inline constexpr std::array AllSounds {
    Sound::CardTurned, Sound::PairFound, Sound::Missed, Sound::Won, Sound::Lost, Sound::Drawn};

// The resource path of the sound's file, e.g. ":/sounds/turn.wav".
QString soundFile(Sound sound);

} // namespace brivmemo::sound
