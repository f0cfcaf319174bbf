// SPDX-License-Identifier: MIT
#include "TableOffsetPatch.h"

#include "BmpCodec.h"
#include "ByteReader.h"
#include "LittleEndian.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace brivmemo::tools {

namespace {

constexpr std::size_t kMasksSize = 12;
constexpr std::uint32_t kBitFields = 3;

} // namespace

void leaveColorTableOutOfOffsets(std::span<std::uint8_t> image)
{
    if (image.size() < kBmpFileHeaderSize + kBmpInfoHeaderSize || image[0] != 'B' || image[1] != 'M'
        || loadU32LE(&image[kBmpFileHeaderSize]) != kBmpInfoHeaderSize)
        throw std::invalid_argument("not a BMP image with a 40-byte information header");
    const std::uint32_t bits = loadU16LE(&image[kBmpFileHeaderSize + 14]);
    const std::uint32_t compression = loadU32LE(&image[kBmpFileHeaderSize + 16]);
    const std::uint32_t pixelBytes = loadU32LE(&image[kBmpFileHeaderSize + 20]);
    const std::uint32_t tableEntries = loadU32LE(&image[kBmpFileHeaderSize + 32]);
    if (bits <= 8 || tableEntries == 0)
        return;
    const auto offset = static_cast<std::uint32_t>(
        kBmpFileHeaderSize + kBmpInfoHeaderSize + (compression == kBitFields ? kMasksSize : 0));
    storeU32LE(&image[10], offset);
    storeU32LE(&image[2], offset + pixelBytes);
}

void leaveColorTablesOutOfOffsets(std::vector<std::uint8_t> &plainListStream)
{
    const std::span<std::uint8_t> stream(plainListStream);
    ByteReader reader(stream);
    const std::array<char, 4> plainMagic {'M', 'B', 'M', 'L'};
    try {
        const auto magic = reader.readBytes(4);
        if (!std::equal(magic.begin(), magic.end(), plainMagic.begin()))
            throw std::invalid_argument("not a plain bitmap list stream");
        const std::int32_t count = reader.readI32LE();
        for (std::int32_t i = 0; i < count; ++i) {
            const std::uint32_t length = reader.readU32LE();
            const std::size_t start = reader.position();
            reader.skip(length);
            leaveColorTableOutOfOffsets(stream.subspan(start, length));
        }
    } catch (const EReadError &) {
        throw std::invalid_argument("a record of the bitmap list stream runs past its end");
    }
}

} // namespace brivmemo::tools
