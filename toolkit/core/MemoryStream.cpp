// SPDX-License-Identifier: MIT
#include "MemoryStream.h"

#include <algorithm>
#include <cstring>

namespace brivmemo {

std::size_t TMemoryStream::read(void *buffer, std::size_t count)
{
    const std::size_t available = remaining();
    const std::size_t n = std::min(count, available);
    if (n > 0)
        std::memcpy(buffer, data_.data() + position_, n);
    position_ += n;
    return n;
}

void TMemoryStream::write(const void *buffer, std::size_t count)
{
    if (count == 0)
        return;
    if (position_ + count > data_.size())
        data_.resize(position_ + count);
    std::memcpy(data_.data() + position_, buffer, count);
    position_ += count;
}

} // namespace brivmemo
