// SPDX-License-Identifier: MIT
// Encodes a list of pictures in their stored pixel formats, writes them through the bitmap list
// component as a plain stream, and reads the stream back as the game will see it.
#pragma once

#include "ListPicture.h"

#include <QImage>
#include <cstdint>
#include <vector>

namespace brivmemo::tools {

struct EncodedList {
    std::vector<std::uint8_t> stream;
    // Each entry decoded back from the stream, in the display's form.
    std::vector<QImage> shown;
};

EncodedList encodeList(const std::vector<ListPicture> &pictures);

} // namespace brivmemo::tools
