// SPDX-License-Identifier: MIT
#include "Stream.h"

#include "Exceptions.h"

namespace brivmemo {

void TStream::readBuffer(void *buffer, std::size_t count)
{
    if (count > remaining())
        throw EReadError();
    if (read(buffer, count) != count)
        throw EReadError();
}

std::int32_t TStream::readInt32()
{
    std::uint8_t bytes[4];
    readBuffer(bytes, sizeof bytes);
    return static_cast<std::int32_t>(std::uint32_t {bytes[0]} | (std::uint32_t {bytes[1]} << 8)
        | (std::uint32_t {bytes[2]} << 16) | (std::uint32_t {bytes[3]} << 24));
}

void TStream::writeInt32(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
        static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
    write(bytes, sizeof bytes);
}

} // namespace brivmemo
