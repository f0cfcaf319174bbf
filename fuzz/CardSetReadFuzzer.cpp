// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the card-set reader as a whole set: the first two bytes give the
// length of the metadata (little-endian), which follows, and the rest is the picture stream. A
// set is either refused with a reason or read within every limit, and its metadata writes itself
// out and reads back the same.
#include "CardSetError.h"
#include "CardSetLimits.h"
#include "CardSetMetadata.h"
#include "CardSetStream.h"

#include <QByteArray>
#include <cstdlib>

namespace {

using namespace brivmemo::cardset;

void readMetadata(const QByteArray &text)
{
    try {
        const CardSetMetadata metadata = CardSetMetadata::parse(text);
        if (metadata.faces.size() != kFaceCount
            || !(CardSetMetadata::parse(metadata.serialize()) == metadata))
            std::abort();
    } catch (const CardSetError &) { }
}

void readStream(std::span<const std::uint8_t> bytes)
{
    try {
        const Pictures pictures = readCardSetStream(bytes);
        if (pictures.size() != static_cast<std::size_t>(kEntryCount))
            std::abort();
        for (const auto &picture : pictures)
            if (picture->isEmpty() || picture->width() > kMaxPictureSide
                || picture->height() > kMaxPictureSide)
                std::abort();
    } catch (const CardSetError &) { }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::size_t metadataSize = std::min<std::size_t>(data[0] | (data[1] << 8), size - 2);
    readMetadata(QByteArray(reinterpret_cast<const char *>(data + 2), static_cast<qsizetype>(metadataSize)));
    readStream({data + 2 + metadataSize, size - 2 - metadataSize});
    return 0;
}
