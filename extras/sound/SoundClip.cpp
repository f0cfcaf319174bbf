// SPDX-License-Identifier: MIT
#include "SoundClip.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QWaveDecoder>

namespace brivmemo::sound {

namespace {

// Qt's PulseAudio output stops a sound as soon as its last bytes are queued and throws away
// what is still queued then, which would cut off the end of every sound and all of a short
// one. Silence after the sound, longer than that queue, is what gets thrown away instead.
constexpr qint64 TrailingSilenceMicroseconds = 300'000;

} // namespace

SoundClip::SoundClip(const QString &file, float volume, QObject *parent)
    : QObject(parent)
{
    QFile wave(file);
    QWaveDecoder decoder(&wave);
    if (!wave.open(QIODevice::ReadOnly) || !decoder.open(QIODevice::ReadOnly)
        || !decoder.audioFormat().isValid())
        return;
    samples_ = decoder.readAll();
    samples_.append(QByteArray(decoder.audioFormat().bytesForDuration(TrailingSilenceMicroseconds), '\0'));
    reader_.setBuffer(&samples_);
    reader_.open(QIODevice::ReadOnly);
    output_ = new QAudioSink(QMediaDevices::defaultAudioOutput(), decoder.audioFormat(), this);
    output_->setVolume(volume);
    connect(output_, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::IdleState)
            output_->stop();
    });
}

void SoundClip::play()
{
    if (output_ == nullptr)
        return;
    output_->stop();
    reader_.seek(0);
    output_->start(&reader_);
}

} // namespace brivmemo::sound
