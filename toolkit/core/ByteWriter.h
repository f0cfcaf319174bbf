// SPDX-License-Identifier: MIT
// The writing side of ByteReader: appends bytes and little-endian numbers to a byte vector.
#pragma once

#include "LittleEndian.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace brivmemo {

class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::uint8_t> &out)
        : out_(out)
    { }

    void writeU8(std::uint8_t value) { out_.push_back(value); }
    void writeU16LE(std::uint16_t value) { storeU16LE(grow(2), value); }
    void writeU32LE(std::uint32_t value) { storeU32LE(grow(4), value); }
    void writeI32LE(std::int32_t value) { writeU32LE(static_cast<std::uint32_t>(value)); }

private:
    // The count new bytes at the end.
    std::uint8_t *grow(std::size_t count)
    {
        out_.resize(out_.size() + count);
        return out_.data() + out_.size() - count;
    }

    std::vector<std::uint8_t> &out_;
};

} // namespace brivmemo
