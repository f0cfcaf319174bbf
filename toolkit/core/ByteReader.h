// SPDX-License-Identifier: MIT
// A bounds-checked reader over bytes that are already in memory. Every parser of untrusted
// bytes reads through it, so no length is trusted before it is checked against what is left.
#pragma once

#include "Exceptions.h"
#include "LittleEndian.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace brivmemo {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes)
        : bytes_(bytes)
    { }

    std::size_t position() const { return position_; }
    std::size_t size() const { return bytes_.size(); }
    std::size_t remaining() const { return bytes_.size() - position_; }
    bool atEnd() const { return position_ == bytes_.size(); }

    // Each read throws EReadError when fewer bytes are left than it needs, and then
    // consumes nothing.
    std::uint8_t readU8()
    {
        require(1);
        return bytes_[position_++];
    }

    std::uint16_t readU16LE()
    {
        require(2);
        const std::uint16_t value = loadU16LE(bytes_.data() + position_);
        position_ += 2;
        return value;
    }

    std::uint32_t readU32LE()
    {
        require(4);
        const std::uint32_t value = loadU32LE(bytes_.data() + position_);
        position_ += 4;
        return value;
    }

    std::int32_t readI32LE() { return static_cast<std::int32_t>(readU32LE()); }

    std::span<const std::uint8_t> readBytes(std::size_t count)
    {
        require(count);
        const auto result = bytes_.subspan(position_, count);
        position_ += count;
        return result;
    }

    void skip(std::size_t count)
    {
        require(count);
        position_ += count;
    }

private:
    void require(std::size_t count) const
    {
        if (count > remaining())
            throw EReadError();
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

} // namespace brivmemo
