// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the settings record parser. A record it accepts must come back
// unchanged through the writer, and its names must convert to text and back without harm.
#include "Config.h"
#include "Exceptions.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    brivmemo::TConfig config;
    try {
        config = brivmemo::configFromBytes({data, size});
    } catch (const brivmemo::EReadError &) {
        if (size >= sizeof(brivmemo::TConfig))
            std::abort();
        return 0;
    }
    const auto bytes = brivmemo::configToBytes(config);
    if (!(brivmemo::configFromBytes(bytes) == config))
        std::abort();

    brivmemo::TNome name {};
    brivmemo::setNameText(name, brivmemo::nameText(config.Nome1));
    if (name[0] > 201)
        std::abort();
    return 0;
}
