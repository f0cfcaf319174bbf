// SPDX-License-Identifier: MIT
// A stream held in memory; the bitmap lists are read from and written to these.
#pragma once

#include "Stream.h"

#include <cstdint>
#include <span>
#include <vector>

namespace brivmemo {

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::span<const std::uint8_t> bytes)
        : data_(bytes.begin(), bytes.end())
    { }

    std::size_t read(void *buffer, std::size_t count) override;
    void write(const void *buffer, std::size_t count) override;
    std::size_t position() const override { return position_; }
    void setPosition(std::size_t position) override { position_ = position; }
    std::size_t size() const override { return data_.size(); }

    const std::vector<std::uint8_t> &bytes() const { return data_; }

private:
    std::vector<std::uint8_t> data_;
    std::size_t position_ = 0;
};

} // namespace brivmemo
