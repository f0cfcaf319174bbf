// SPDX-License-Identifier: MIT
// One sound held in memory and played on the default audio output, from its start each time
// it is played; playing returns at once.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QObject>

class QAudioSink;
class QString;

namespace brivmemo::sound {

class SoundClip final : public QObject {
public:
    // Reads the WAV file; a file that cannot be read makes a clip that plays nothing.
    SoundClip(const QString &file, float volume, QObject *parent);

    void play();

private:
    QByteArray samples_;
    QBuffer reader_;
    QAudioSink *output_ = nullptr;
};

} // namespace brivmemo::sound
