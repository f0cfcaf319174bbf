// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the BMP decoder. Whatever it accepts must survive a trip through the
// encoder unchanged; whatever it refuses must be refused as an invalid image.
#include "BmpCodec.h"
#include "core/Exceptions.h"

#include <cstdlib>

namespace {

// Large pictures are decoded like any other, but a round trip of a near-gigabyte picture
// would spend the fuzzer's time copying zeros.
constexpr std::size_t kRoundTripLimit = std::size_t {16} << 20;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    brivmemo::DibPixels pixels;
    try {
        pixels = brivmemo::decodeBmp({data, size});
    } catch (const brivmemo::EInvalidGraphic &) {
        return 0;
    }
    if (pixels.bits.size() != pixels.stride() * static_cast<std::size_t>(pixels.height))
        std::abort();
    if (pixels.width > 0 && pixels.height > 0 && pixels.bits.size() <= kRoundTripLimit
        && brivmemo::decodeBmp(brivmemo::encodeBmp(pixels)) != pixels)
        std::abort();
    return 0;
}
