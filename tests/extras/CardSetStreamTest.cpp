// SPDX-License-Identifier: MIT
#include "CardSetStream.h"

#include "BlockPacker.h"
#include "CardSetError.h"
#include "CardSetLimits.h"
#include "DrawnCardSet.h"
#include "MMBitmapList.h"
#include "MemoryStream.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace brivmemo;
using namespace brivmemo::cardset;

namespace {

using Bytes = std::vector<std::uint8_t>;

Pictures drawnPictures()
{
    return test::drawnCardSet(QStringLiteral("Test")).pictures;
}

QString refusal(const Bytes &bytes)
{
    try {
        readCardSetStream(bytes);
    } catch (const CardSetError &error) {
        return error.reason();
    }
    return QStringLiteral("(read)");
}

Bytes withPicture(int entry, PixelFormat format, int width, int height, StreamForm form)
{
    auto pictures = drawnPictures();
    pictures[static_cast<std::size_t>(entry)] = std::make_unique<TBitmap>();
    if (width > 0)
        pictures[static_cast<std::size_t>(entry)]->create(format, width, height);
    return writeCardSetStream(pictures, form);
}

// A stream whose back is a small picture followed by more zero bytes than any set may unpack.
Bytes unpackingBomb()
{
    TMemoryStream target;
    target.write(kPackedListMagic.data(), kPackedListMagic.size());
    target.writeInt32(kEntryCount);
    Bytes image = drawnPictures()[0]->toBytes();
    image.resize(kMaxUnpackedBytes + kChunkSize);
    TMemoryStream source(image);
    PackStream(source, target, static_cast<std::int32_t>(image.size()));
    return target.bytes();
}

TEST(CardSetStreamTest, BothFormsReadBackEveryPictureInItsOwnFormat)
{
    const auto pictures = drawnPictures();
    for (const StreamForm form : {StreamForm::Plain, StreamForm::Packed}) {
        const auto stream = writeCardSetStream(pictures, form);
        EXPECT_EQ(stream[3], form == StreamForm::Packed ? 'C' : 'L');
        const auto read = readCardSetStream(stream);
        ASSERT_EQ(read.size(), pictures.size());
        for (std::size_t i = 0; i < read.size(); ++i)
            EXPECT_EQ(read[i]->pixels(), pictures[i]->pixels()) << "entry " << i;
    }
}

TEST(CardSetStreamTest, RefusesEachKindOfDamageWithItsReason)
{
    const Bytes plain = writeCardSetStream(drawnPictures(), StreamForm::Plain);
    const Bytes packed = writeCardSetStream(drawnPictures(), StreamForm::Packed);
    auto changed = [](Bytes bytes, std::size_t at, std::uint8_t value) {
        bytes[at] = value;
        return bytes;
    };
    auto cut = [](Bytes bytes, std::size_t size) {
        bytes.resize(size);
        return bytes;
    };
    auto twenty = drawnPictures();
    twenty.pop_back();

    // Records start at 8. A plain one holds the length, then the BMP image, whose depth is at 28;
    // a packed one the total, then the first block's length.
    const struct {
        const char *what;
        Bytes bytes;
        QString reason;
    } cases[] = {
        {"too large", Bytes(kMaxStreamBytes + 1), "the picture stream is larger than 16 MiB"},
        {"magic", changed(plain, 3, 'X'), "the picture stream starts neither with MBML nor with MBMC"},
        {"count", writeCardSetStream(twenty, StreamForm::Plain),
            "the picture stream holds 20 pictures instead of 21"},
        {"no count", cut(plain, 6), "the picture stream is cut short"},
        {"cut plain", cut(plain, plain.size() - 1), "face 20 is cut short"},
        {"cut packed", cut(packed, packed.size() - 1), "face 20 is cut short"},
        {"trailing",
            [&plain] {
                auto b = plain;
                b.push_back(0);
                return b;
            }(),
            "the picture stream goes on after its last picture"},
        {"empty", withPicture(5, PixelFormat::Bits8, 0, 0, StreamForm::Plain), "face 5 is empty"},
        {"not BMP", changed(plain, 12, 'X'), "the back is not a BMP picture"},
        {"depth", changed(plain, 12 + 28, 7), "the back is not a BMP picture the game reads"},
        {"wide", withPicture(3, PixelFormat::Bits24, kMaxPictureSide + 1, 1, StreamForm::Packed),
            "face 3 is larger than 1024 × 1024 pixels"},
        {"tall", withPicture(0, PixelFormat::Bits8, 2, kMaxPictureSide + 1, StreamForm::Plain),
            "the back is larger than 1024 × 1024 pixels"},
        {"block length", changed(packed, 12, 0), "the back is not well formed"},
        {"bomb", unpackingBomb(), "the pictures unpack to more than 64 MiB"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(refusal(c.bytes), c.reason) << c.what;
}

// Each file is what the fuzz target reads: two bytes of metadata length, the metadata, the stream.
TEST(CardSetStreamTest, DamagedSetsThatOnceDidHarmAreRefused)
{
    const QDir regressions(QStringLiteral(CARD_SET_REGRESSIONS));
    const auto files = regressions.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString &name : files) {
        QFile file(regressions.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const auto metadataSize = static_cast<qsizetype>(
            static_cast<std::uint8_t>(bytes[0]) | static_cast<std::uint8_t>(bytes[1]) << 8);
        const QByteArray stream = bytes.mid(2 + metadataSize);
        EXPECT_NE(refusal(Bytes(stream.begin(), stream.end())), "(read)") << name.toStdString();
    }
}

TEST(CardSetStreamTest, FillingAListIsOneChange)
{
    TMMBitmapList list;
    list.Add(TBitmap());
    int changes = 0;
    list.OnChange = [&changes](TObject *) { ++changes; };
    fillList(list, drawnPictures());
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(list.Count(), kEntryCount);
    EXPECT_EQ(list.Bitmaps(20)->pixel(0, 0), test::faceColour(20));
}

} // namespace
