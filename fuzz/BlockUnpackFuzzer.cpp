// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the block unpacker, once as one block and once as an item's chunk
// records. Both must either succeed or fail as a stream error; whatever they unpack to must
// pack and unpack again unchanged.
#include "BlockPacker.h"
#include "Exceptions.h"
#include "MemoryStream.h"

#include <cstdlib>

namespace {

void UnpackAsBlock(std::span<const std::uint8_t> bytes)
{
    std::vector<std::uint8_t> chunk;
    try {
        chunk = brivmemo::UnpackBlock(bytes);
    } catch (const brivmemo::EInvalidBitmapListStream &) {
        return;
    }
    if (chunk.size() > brivmemo::kChunkSize)
        std::abort();
    if (brivmemo::UnpackBlock(brivmemo::PackBlock(chunk)) != chunk)
        std::abort();
}

void UnpackAsRecord(std::span<const std::uint8_t> bytes)
{
    brivmemo::TMemoryStream source(bytes);
    brivmemo::TMemoryStream target;
    try {
        brivmemo::UnpackStream(source, target);
    } catch (const brivmemo::EStreamError &) {
        return;
    }
    brivmemo::TMemoryStream repacked;
    target.setPosition(0);
    brivmemo::PackStream(target, repacked, static_cast<std::int32_t>(target.size()));
    repacked.setPosition(0);
    brivmemo::TMemoryStream again;
    brivmemo::UnpackStream(repacked, again);
    if (again.bytes() != target.bytes())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    UnpackAsBlock(bytes);
    UnpackAsRecord(bytes);
    return 0;
}
