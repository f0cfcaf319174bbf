// SPDX-License-Identifier: MIT
#include "Stream.h"

#include "Exceptions.h"
#include "LittleEndian.h"

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
    return static_cast<std::int32_t>(loadU32LE(bytes));
}

void TStream::writeInt32(std::int32_t value)
{
    std::uint8_t bytes[4];
    storeU32LE(bytes, static_cast<std::uint32_t>(value));
    write(bytes, sizeof bytes);
}

} // namespace brivmemo
