// SPDX-License-Identifier: MIT
// Test data for the block packer suites: chunk contents of several kinds, and a token writer
// that builds packed blocks by hand, independently of the packer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <random>
#include <vector>

namespace brivmemo::testing {

using Bytes = std::vector<std::uint8_t>;

enum class Content { Random, FewSymbols, Runs, Text };

inline Bytes MakeContent(Content content, std::size_t size, std::uint32_t seed)
{
    std::mt19937 random(seed);
    Bytes bytes;
    bytes.reserve(size);
    static constexpr char kWords[] = "the cat sat on the mat with the other cat and a hat ";
    while (bytes.size() < size) {
        switch (content) {
        case Content::Random:
            bytes.push_back(static_cast<std::uint8_t>(random()));
            break;
        case Content::FewSymbols:
            bytes.push_back(static_cast<std::uint8_t>(random() % 4));
            break;
        case Content::Runs:
            bytes.insert(bytes.end(), std::min<std::size_t>(random() % 40 + 1, size - bytes.size()),
                static_cast<std::uint8_t>(random() % 3));
            break;
        case Content::Text:
            bytes.push_back(
                static_cast<std::uint8_t>(kWords[(bytes.size() * 7 + random() % 3) % (sizeof kWords - 1)]));
            break;
        }
    }
    return bytes;
}

// Writes tokens behind a packed-block flag, with a control word in front of every 16 tokens.
class TokenWriter {
public:
    TokenWriter()
        : bytes_ {0x40, 0x00, 0x00}
    { }

    TokenWriter &literal(std::uint8_t value) { return token(false, {value}); }
    TokenWriter &reference(unsigned offset, unsigned length)
    {
        const unsigned key = (offset << 4) | (length - 3);
        return token(true, {static_cast<std::uint8_t>(key >> 8), static_cast<std::uint8_t>(key)});
    }
    TokenWriter &run(unsigned length, std::uint8_t value)
    {
        const unsigned extra = length - 16;
        return token(
            true, {0x00, static_cast<std::uint8_t>(extra >> 8), static_cast<std::uint8_t>(extra), value});
    }
    TokenWriter &raw(std::initializer_list<std::uint8_t> bytes)
    {
        bytes_.insert(bytes_.end(), bytes);
        return *this;
    }
    const Bytes &bytes() const { return bytes_; }

private:
    TokenWriter &token(bool copy, std::initializer_list<std::uint8_t> bytes)
    {
        if (tokens_ == 16) {
            slot_ = bytes_.size();
            bytes_.insert(bytes_.end(), {0x00, 0x00});
            tokens_ = 0;
        }
        if (copy)
            bytes_[slot_ + tokens_ / 8] |= static_cast<std::uint8_t>(0x80 >> (tokens_ % 8));
        ++tokens_;
        bytes_.insert(bytes_.end(), bytes);
        return *this;
    }

    Bytes bytes_;
    std::size_t slot_ = 1;
    unsigned tokens_ = 0;
};

} // namespace brivmemo::testing
