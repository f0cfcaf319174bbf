// SPDX-License-Identifier: MIT
#include "CardSetStream.h"

#include "BlockPacker.h"
#include "CardSetError.h"
#include "CardSetLimits.h"
#include "Exceptions.h"
#include "MMBitmapList.h"
#include "MemoryStream.h"

#include <QCoreApplication>
#include <array>

namespace brivmemo::cardset {

namespace {

// Gives lupdate and the program one context for the texts of this file.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CardSetStream)
};

CardSetError streamError(const QString &reason)
{
    return CardSetError({}, reason);
}

QString entryName(int entry)
{
    return entry == 0 ? Texts::tr("the back") : Texts::tr("face %1").arg(entry);
}

// A packed picture, unpacked chunk by chunk so that what the whole stream produces is counted
// before any of it is kept.
std::vector<std::uint8_t> unpackPicture(TStream &stream, int entry, std::size_t &unpacked)
{
    std::vector<std::uint8_t> image;
    try {
        UnpackChunks(stream, [&image, &unpacked](std::span<const std::uint8_t> chunk) {
            unpacked += chunk.size();
            if (unpacked > kMaxUnpackedBytes)
                throw streamError(
                    Texts::tr("the pictures unpack to more than %1 MiB").arg(kMaxUnpackedBytes >> 20));
            image.insert(image.end(), chunk.begin(), chunk.end());
        });
    } catch (const EReadError &) {
        throw streamError(Texts::tr("%1 is cut short").arg(entryName(entry)));
    } catch (const EInvalidBitmapListStream &) {
        throw streamError(Texts::tr("%1 is not well formed").arg(entryName(entry)));
    }
    return image;
}

std::vector<std::uint8_t> plainPicture(TStream &stream, int entry)
{
    const std::int32_t length = stream.readInt32();
    if (length < 0 || static_cast<std::size_t>(length) > stream.remaining())
        throw streamError(Texts::tr("%1 is cut short").arg(entryName(entry)));
    std::vector<std::uint8_t> image(static_cast<std::size_t>(length));
    stream.readBuffer(image.data(), image.size());
    return image;
}

std::unique_ptr<TBitmap> decodePicture(std::span<const std::uint8_t> image, int entry)
{
    if (image.empty())
        throw streamError(Texts::tr("%1 is empty").arg(entryName(entry)));
    const auto size = peekBmpSize(image);
    if (!size)
        throw streamError(Texts::tr("%1 is not a BMP picture").arg(entryName(entry)));
    if (size->width > kMaxPictureSide || size->height > kMaxPictureSide)
        throw streamError(
            Texts::tr("%1 is larger than %2 × %2 pixels").arg(entryName(entry)).arg(kMaxPictureSide));
    auto bitmap = std::make_unique<TBitmap>();
    try {
        bitmap->loadFromBytes(image);
    } catch (const Exception &) {
        throw streamError(Texts::tr("%1 is not a BMP picture the game reads").arg(entryName(entry)));
    }
    if (bitmap->isEmpty())
        throw streamError(Texts::tr("%1 is empty").arg(entryName(entry)));
    return bitmap;
}

} // namespace

Pictures readCardSetStream(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() > kMaxStreamBytes)
        throw streamError(Texts::tr("the picture stream is larger than %1 MiB").arg(kMaxStreamBytes >> 20));
    try {
        TMemoryStream stream(bytes);
        std::array<char, 4> magic {};
        stream.readBuffer(magic.data(), magic.size());
        const bool packed = magic == kPackedListMagic;
        if (!packed && magic != kPlainListMagic)
            throw streamError(Texts::tr("the picture stream starts neither with MBML nor with MBMC"));
        const std::int32_t count = stream.readInt32();
        if (count != kEntryCount)
            throw streamError(
                Texts::tr("the picture stream holds %1 pictures instead of %2").arg(count).arg(kEntryCount));
        Pictures pictures;
        pictures.reserve(kEntryCount);
        std::size_t unpacked = 0;
        for (int entry = 0; entry < kEntryCount; ++entry) {
            const auto image = packed ? unpackPicture(stream, entry, unpacked) : plainPicture(stream, entry);
            pictures.push_back(decodePicture(image, entry));
        }
        if (stream.remaining() != 0)
            throw streamError(Texts::tr("the picture stream goes on after its last picture"));
        return pictures;
    } catch (const EReadError &) {
        throw streamError(Texts::tr("the picture stream is cut short"));
    }
}
std::vector<std::uint8_t> writeCardSetStream(const Pictures &pictures, StreamForm form)
{
    TMMBitmapList list;
    list.SetCompressed(form == StreamForm::Packed);
    for (const auto &picture : pictures)
        list.Add(*picture);
    TMemoryStream stream;
    list.WriteListItems(stream);
    return stream.bytes();
}

void fillList(TMMBitmapList &list, const Pictures &pictures)
{
    list.BeginUpdate();
    try {
        list.Clear();
        for (const auto &picture : pictures)
            list.Add(*picture);
    } catch (...) {
        list.EndUpdate();
        throw;
    }
    list.EndUpdate();
}

} // namespace brivmemo::cardset
