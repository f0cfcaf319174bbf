// SPDX-License-Identifier: MIT
#include "CardSet.h"

#include "CardSetError.h"
#include "CardSetLimits.h"
#include "DrawnCardSet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace brivmemo;
using namespace brivmemo::cardset;

namespace {

class CardSetTest : public testing::Test {
public:
    QString path(const QString &name) const { return QDir(dir_.path()).filePath(name); }
    QString written(const QString &folder) const
    {
        return test::writeDrawnCardSet(dir_.path(), folder, QStringLiteral("Drawn"));
    }

private:
    QTemporaryDir dir_;
};

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST_F(CardSetTest, WhatIsWrittenReadsBackInBothForms)
{
    const CardSet drawn = test::drawnCardSet(QStringLiteral("Drawn"));
    for (const StreamForm form : {StreamForm::Plain, StreamForm::Packed}) {
        const QString folder = path(form == StreamForm::Plain ? "plain" : "packed");
        QDir().mkpath(folder);
        writeCardSet(folder, drawn, form);
        const CardSet read = readCardSet(folder);
        EXPECT_EQ(read.folder, folder);
        EXPECT_EQ(read.metadata, drawn.metadata);
        ASSERT_EQ(read.pictures.size(), drawn.pictures.size());
        EXPECT_EQ(read.pictures[7]->pixels(), drawn.pictures[7]->pixels());
        EXPECT_EQ(readCardSetMetadata(folder), drawn.metadata);
    }
}

TEST_F(CardSetTest, ARefusalNamesTheFileAtFault)
{
    const struct {
        const char *what;
        std::function<QString(const CardSetTest &)> damage; // returns the set's folder
        QString file;
        QString reason;
    } cases[] = {
        {"missing folder", [](const CardSetTest &t) { return t.path("none"); }, "none",
            "the folder does not exist"},
        {"a file",
            [](const CardSetTest &t) {
                writeBytes(t.path("file"), "x");
                return t.path("file");
            },
            "file", "it is not a folder"},
        {"no metadata",
            [](const CardSetTest &t) {
                const QString folder = t.written("a");
                QFile::remove(QDir(folder).filePath("cardset.ini"));
                return folder;
            },
            "a/cardset.ini", "the file is missing"},
        {"no pictures",
            [](const CardSetTest &t) {
                const QString folder = t.written("b");
                QFile::remove(QDir(folder).filePath("cards.mbml"));
                return folder;
            },
            "b/cards.mbml", "the file is missing"},
        {"damaged metadata",
            [](const CardSetTest &t) {
                const QString folder = t.written("c");
                writeBytes(QDir(folder).filePath("cardset.ini"), "[Card Set]\nName=x\n");
                return folder;
            },
            "c/cardset.ini", "Faces names 0 faces instead of 20"},
        {"damaged pictures",
            [](const CardSetTest &t) {
                const QString folder = t.written("d");
                writeBytes(QDir(folder).filePath("cards.mbml"), "MBML\x02");
                return folder;
            },
            "d/cards.mbml", "the picture stream is cut short"},
        {"huge pictures",
            [](const CardSetTest &t) {
                const QString folder = t.written("e");
                QFile file(QDir(folder).filePath("cards.mbml"));
                // Sparse: the size is refused before one byte is read.
                EXPECT_TRUE(file.open(QIODevice::ReadWrite) && file.resize(qint64 {1} << 40));
                return folder;
            },
            "e/cards.mbml", "the file is larger than 16384 KiB"},
    };
    for (const auto &c : cases) {
        const QString folder = c.damage(*this);
        try {
            readCardSet(folder);
            ADD_FAILURE() << c.what << " was read";
        } catch (const CardSetError &error) {
            EXPECT_EQ(error.file(), path(c.file)) << c.what;
            EXPECT_EQ(error.reason(), c.reason) << c.what;
            EXPECT_EQ(error.message(), path(c.file) + ": " + c.reason) << c.what;
        }
    }
}

TEST_F(CardSetTest, ASetTheGameCouldNotReadIsNeverWritten)
{
    CardSet fewer = test::drawnCardSet(QStringLiteral("Fewer"));
    fewer.pictures.pop_back();
    CardSet unnamed = test::drawnCardSet(QString());
    CardSet huge = test::drawnCardSet(QStringLiteral("Huge"));
    huge.pictures[1]->create(PixelFormat::Bits8, kMaxPictureSide + 1, 1);
    for (const CardSet *set : {&fewer, &unnamed, &huge}) {
        const QString folder = path(set->metadata.name.isEmpty() ? "unnamed" : set->metadata.name);
        QDir().mkpath(folder);
        EXPECT_THROW(writeCardSet(folder, *set, StreamForm::Packed), CardSetError) << folder.toStdString();
        EXPECT_TRUE(QDir(folder).isEmpty()) << folder.toStdString();
    }
}

} // namespace
