// SPDX-License-Identifier: MIT
// Packs arbitrary bytes: a chunk's block is never longer than the chunk plus its flag byte and
// unpacks to the chunk, and an item's chunk records unpack to the item. Some inputs are also
// repeated past a chunk boundary, so the records hold more than one block.
#include "BlockPacker.h"
#include "MemoryStream.h"

#include <algorithm>
#include <cstdlib>

namespace {

void RoundTripBlock(std::span<const std::uint8_t> chunk)
{
    const auto block = brivmemo::PackBlock(chunk);
    if (block.size() > chunk.size() + 1)
        std::abort();
    const auto unpacked = brivmemo::UnpackBlock(block);
    if (!std::equal(unpacked.begin(), unpacked.end(), chunk.begin(), chunk.end()))
        std::abort();
}

void RoundTripItem(const std::vector<std::uint8_t> &item)
{
    brivmemo::TMemoryStream source(item);
    brivmemo::TMemoryStream records;
    brivmemo::PackStream(source, records, static_cast<std::int32_t>(item.size()));
    records.setPosition(0);
    brivmemo::TMemoryStream unpacked;
    brivmemo::UnpackStream(records, unpacked);
    if (unpacked.bytes() != item || records.position() != records.size())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    RoundTripBlock(bytes.first(std::min(size, brivmemo::kChunkSize)));
    std::vector<std::uint8_t> item(bytes.begin(), bytes.end());
    RoundTripItem(item);
    // Packing a whole chunk is slow next to the rest, so only one input in eight takes the trip.
    if (size > 0 && (data[0] & 7) == 0) {
        while (item.size() <= brivmemo::kChunkSize)
            item.insert(item.end(), bytes.begin(), bytes.end());
        RoundTripItem(item);
    }
    return 0;
}
