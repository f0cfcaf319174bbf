// SPDX-License-Identifier: MIT
// The embedded sounds as the player reads them: WAV files in the one format, as short as each
// is meant to be, audible without being loud, and silent at both ends so that they do not click.
#include "Sound.h"

#include <QAudioFormat>
#include <QFile>
#include <QWaveDecoder>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace brivmemo::test {
namespace {

using sound::Sound;

struct SoundLength {
    const char *name;
    Sound sound;
    int shortestMs;
    int longestMs;
};

void PrintTo(const SoundLength &length, std::ostream *out)
{
    *out << length.name;
}

class SoundFileTest : public ::testing::TestWithParam<SoundLength> { };

TEST_P(SoundFileTest, IsAShortSoftMonoWaveThatStartsAndEndsInSilence)
{
    QFile file(sound::soundFile(GetParam().sound));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QWaveDecoder decoder(&file);
    ASSERT_TRUE(decoder.open(QIODevice::ReadOnly));
    const QAudioFormat format = decoder.audioFormat();
    ASSERT_TRUE(format.isValid());
    EXPECT_EQ(format.channelCount(), 1);
    EXPECT_EQ(format.sampleFormat(), QAudioFormat::Int16);
    EXPECT_TRUE(format.sampleRate() == 44100 || format.sampleRate() == 48000) << format.sampleRate();

    const QByteArray bytes = decoder.readAll();
    std::vector<qint16> samples(static_cast<std::size_t>(bytes.size()) / sizeof(qint16));
    std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(qint16));
    const qint64 lengthMs = format.durationForBytes(static_cast<qint32>(bytes.size())) / 1000;
    EXPECT_GE(lengthMs, GetParam().shortestMs);
    EXPECT_LE(lengthMs, GetParam().longestMs);

    ASSERT_FALSE(samples.empty());
    const auto loudness = [](qint16 sample) { return std::abs(static_cast<int>(sample)); };
    EXPECT_LE(loudness(samples.front()), 64);
    EXPECT_LE(loudness(samples.back()), 64);
    const int peak = loudness(*std::max_element(samples.begin(), samples.end(),
        [&loudness](qint16 a, qint16 b) { return loudness(a) < loudness(b); }));
    EXPECT_GE(peak, 32767 / 5);
    EXPECT_LE(peak, 32767 * 3 / 4);
}

INSTANTIATE_TEST_SUITE_P(Sounds, SoundFileTest,
    ::testing::Values(SoundLength {"CardTurned", Sound::CardTurned, 40, 90},
        SoundLength {"PairFound", Sound::PairFound, 250, 350},
        SoundLength {"Missed", Sound::Missed, 200, 300}, SoundLength {"Won", Sound::Won, 600, 1200},
        SoundLength {"Lost", Sound::Lost, 600, 1200}, SoundLength {"Drawn", Sound::Drawn, 600, 1200}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SoundFilesTest, AreOnePerSound)
{
    std::vector<QString> files;
    files.reserve(sound::AllSounds.size());
    for (const Sound sound : sound::AllSounds)
        files.push_back(sound::soundFile(sound));
    std::sort(files.begin(), files.end());
    EXPECT_EQ(std::unique(files.begin(), files.end()), files.end());
}

} // namespace
} // namespace brivmemo::test
