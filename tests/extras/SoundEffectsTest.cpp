// SPDX-License-Identifier: MIT
// The real player, run where Qt Multimedia's media backend cannot be loaded: getting the sounds
// ready must neither stop the program nor say anything, with or without a sound server.
#include "SoundEffects.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace brivmemo::test {
namespace {

QStringList messages;

void recordMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    messages.append(message);
}

TEST(SoundEffectsTest, GetReadyQuietlyWithoutAMediaBackend)
{
    const QByteArray backend = qgetenv("QT_MEDIA_BACKEND");
    qputenv("QT_MEDIA_BACKEND", "nonexistent");
    const QtMessageHandler previous = qInstallMessageHandler(recordMessage);
    {
        sound::SoundEffects effects;
        effects.prepare();
    }
    qInstallMessageHandler(previous);
    qputenv("QT_MEDIA_BACKEND", backend);
    EXPECT_EQ(messages, QStringList());
}

} // namespace
} // namespace brivmemo::test
