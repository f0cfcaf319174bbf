// SPDX-License-Identifier: MIT
// Hand-built BMP file images for the decoder and bitmap list tests: every header field is set
// explicitly, so a test can build well-formed files and every kind of broken one.
#pragma once

#include <cstdint>
#include <vector>

namespace brivmemo::testing {

struct BmpFields {
    std::uint32_t fileSize = 0;
    std::uint32_t pixelOffset = 0;
    std::uint32_t headerSize = 40; // 12 writes the core header with 3-byte colour entries
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t sizeImage = 0;
    std::uint32_t colorsUsed = 0;
    std::vector<std::uint32_t> masks; // after a 40-byte header, inside a longer one
    std::vector<std::uint32_t> colorTable; // colours 0x00BBGGRR
    std::vector<std::uint8_t> pixelBytes; // as they stand in the file
};

inline void put16(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void put32(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    put16(out, value);
    put16(out, value >> 16);
}

inline std::vector<std::uint8_t> buildBmp(const BmpFields &f)
{
    std::vector<std::uint8_t> out {'B', 'M'};
    put32(out, f.fileSize);
    put32(out, 0);
    put32(out, f.pixelOffset);
    put32(out, f.headerSize);
    if (f.headerSize == 12) {
        put16(out, static_cast<std::uint32_t>(f.width));
        put16(out, static_cast<std::uint32_t>(f.height));
        put16(out, f.planes);
        put16(out, f.bitCount);
    } else {
        put32(out, static_cast<std::uint32_t>(f.width));
        put32(out, static_cast<std::uint32_t>(f.height));
        put16(out, f.planes);
        put16(out, f.bitCount);
        put32(out, f.compression);
        put32(out, f.sizeImage);
        put32(out, 2835);
        put32(out, 2835);
        put32(out, f.colorsUsed);
        put32(out, 0);
        // Longer headers are padded to their size, up to the longest one in use.
        if (f.headerSize > 40) {
            for (const auto mask : f.masks)
                put32(out, mask);
            if (f.headerSize <= 124)
                out.resize(14 + f.headerSize, 0);
        }
    }
    if (f.headerSize <= 40) {
        for (const auto mask : f.masks)
            put32(out, mask);
    }
    for (const auto color : f.colorTable) {
        out.push_back(static_cast<std::uint8_t>(color >> 16));
        out.push_back(static_cast<std::uint8_t>(color >> 8));
        out.push_back(static_cast<std::uint8_t>(color));
        if (f.headerSize != 12)
            out.push_back(0);
    }
    out.insert(out.end(), f.pixelBytes.begin(), f.pixelBytes.end());
    return out;
}

// A 24-bit 2 x 2 picture: top row red, green; bottom row blue, white.
inline std::vector<std::uint8_t> tinyBmp24()
{
    BmpFields f;
    f.width = 2;
    f.height = 2;
    f.pixelBytes = {0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0xFF, 0, 0, 0};
    return buildBmp(f);
}

} // namespace brivmemo::testing
