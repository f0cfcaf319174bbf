// SPDX-License-Identifier: MIT
#include "SoundEffects.h"

#include "SoundClip.h"

#include <QAudioDevice>
#include <QMediaDevices>

namespace brivmemo::sound {

namespace {

// Soft beside other programs: the files are already well below full scale.
constexpr float Volume = 0.8F;

QtMessageHandler handlerBeforeProbe = nullptr;

void dropAllButCritical(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        handlerBeforeProbe(type, context, message);
}

// Qt warns on the terminal when it finds no sound server. A game without sound is normal on
// such a machine, so that warning is not passed on. Qt lists the audio outputs, and plays on
// them, without its media backend, which aborts the program where it cannot be loaded; nothing
// here uses that backend.
bool audioOutputAvailable()
{
    handlerBeforeProbe = qInstallMessageHandler(dropAllButCritical);
    const bool available = !QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(handlerBeforeProbe);
    return available;
}

std::size_t indexOf(Sound sound)
{
    return static_cast<std::size_t>(sound);
}

} // namespace

void SoundEffects::prepare()
{
    if (prepared_)
        return;
    prepared_ = true;
    if (!audioOutputAvailable())
        return;
    for (const Sound sound : AllSounds)
        clips_.at(indexOf(sound)) = new SoundClip(soundFile(sound), Volume, this);
}

void SoundEffects::play(Sound sound)
{
    if (SoundClip *clip = clips_.at(indexOf(sound)))
        clip->play();
}

} // namespace brivmemo::sound
