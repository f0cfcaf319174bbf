// SPDX-License-Identifier: MIT
#include "Sound.h"

// The embedded files live in a static library; initialising them here keeps them in every
// program that names a sound's file.
static void initEmbeddedSounds()
{
    Q_INIT_RESOURCE(sounds);
}

namespace brivmemo::sound {

QString soundFile(Sound sound)
{
    initEmbeddedSounds();
    switch (sound) {
    case Sound::CardTurned:
        return QStringLiteral(":/sounds/turn.wav");
    case Sound::PairFound:
        return QStringLiteral(":/sounds/pair.wav");
    case Sound::Missed:
        return QStringLiteral(":/sounds/miss.wav");
    case Sound::Won:
        return QStringLiteral(":/sounds/won.wav");
    case Sound::Lost:
        return QStringLiteral(":/sounds/lost.wav");
    case Sound::Drawn:
        return QStringLiteral(":/sounds/drawn.wav");
    }
    return {};
}

} // namespace brivmemo::sound
