// SPDX-License-Identifier: MIT
// One entry of a bitmap list as the generator draws it: the picture, the pixel format and colour
// table it is stored with, and a name for the contact sheet.
#pragma once

#include "BmpCodec.h"

#include <QImage>
#include <QRgb>
#include <QString>
#include <vector>

namespace brivmemo::tools {

struct ListPicture {
    QString name;
    QImage image;
    PixelFormat format = PixelFormat::Bits24;
    int tableSize = 0;
    // Colours the palette keeps exactly, such as a white ground.
    std::vector<QRgb> pinned;
};

} // namespace brivmemo::tools
