// SPDX-License-Identifier: MIT
// A positioned byte stream, as the bitmap list and the block packer read and write it.
// Numbers are little-endian on every system.
#pragma once

#include <cstddef>
#include <cstdint>

namespace brivmemo {

class TStream {
public:
    virtual ~TStream() = default;

    // Reads up to count bytes and returns how many were read.
    virtual std::size_t read(void *buffer, std::size_t count) = 0;
    // Writes count bytes at the position, growing the stream as needed.
    virtual void write(const void *buffer, std::size_t count) = 0;
    virtual std::size_t position() const = 0;
    virtual void setPosition(std::size_t position) = 0;
    virtual std::size_t size() const = 0;

    std::size_t remaining() const { return size() > position() ? size() - position() : 0; }

    // Reads exactly count bytes or throws EReadError ("Stream read error").
    void readBuffer(void *buffer, std::size_t count);
    std::int32_t readInt32();
    void writeInt32(std::int32_t value);
};

} // namespace brivmemo
