// SPDX-License-Identifier: MIT
#include "IconFile.h"

#include "BmpCodec.h"
#include "LittleEndian.h"

#include <stdexcept>

namespace brivmemo::tools {

namespace {

constexpr std::size_t kDirectorySize = 6 + 16;
constexpr std::size_t kHeightField = 8;
constexpr std::size_t kSizeImageField = 20;

// The transparency mask: one bit per pixel, set where the ground shows, rows from the bottom up.
std::vector<std::uint8_t> maskRows(const IconPicture &picture)
{
    const int width = picture.colors.width;
    const int height = picture.colors.height;
    const std::size_t stride = dibStride(width, PixelFormat::Bits1);
    std::vector<std::uint8_t> rows(stride * static_cast<std::size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
        const std::size_t row = static_cast<std::size_t>(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            if (picture.transparent[static_cast<std::size_t>(y) * static_cast<std::size_t>(width)
                    + static_cast<std::size_t>(x)])
                rows[row + static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
    }
    return rows;
}

} // namespace

std::vector<std::uint8_t> encodeIconFile(const IconPicture &picture, IconFileKind kind)
{
    const DibPixels &colors = picture.colors;
    if (!isIndexed(colors.format) || colors.width < 1 || colors.height < 1 || colors.width > 256
        || colors.height > 256)
        throw std::invalid_argument("an icon picture has a palette and 1 to 256 pixels a side");
    if (picture.transparent.size()
        != static_cast<std::size_t>(colors.width) * static_cast<std::size_t>(colors.height))
        throw std::invalid_argument("the transparency mask needs one flag per pixel");
    if (kind == IconFileKind::Cursor
        && (picture.hotSpot.x() < 0 || picture.hotSpot.y() < 0 || picture.hotSpot.x() >= colors.width
            || picture.hotSpot.y() >= colors.height))
        throw std::invalid_argument("a cursor's hot spot lies inside its picture");

    // The picture inside an icon file is a BMP image without its file header whose height counts
    // the colour rows and the mask rows together.
    const std::vector<std::uint8_t> bmp = encodeBmp(colors);
    std::vector<std::uint8_t> image(bmp.begin() + kBmpFileHeaderSize, bmp.end());
    const std::vector<std::uint8_t> mask = maskRows(picture);
    const std::size_t colorBytes = colors.stride() * static_cast<std::size_t>(colors.height);
    storeU32LE(&image[kHeightField], static_cast<std::uint32_t>(2 * colors.height));
    storeU32LE(&image[kSizeImageField], static_cast<std::uint32_t>(colorBytes + mask.size()));
    image.insert(image.end(), mask.begin(), mask.end());

    std::vector<std::uint8_t> file(kDirectorySize, 0);
    storeU16LE(&file[2], static_cast<std::uint16_t>(kind));
    storeU16LE(&file[4], 1);
    file[6] = static_cast<std::uint8_t>(colors.width % 256);
    file[7] = static_cast<std::uint8_t>(colors.height % 256);
    const int bits = bitsPerPixel(colors.format);
    file[8] = static_cast<std::uint8_t>(bits < 8 ? 1 << bits : 0);
    if (kind == IconFileKind::Cursor) {
        storeU16LE(&file[10], static_cast<std::uint16_t>(picture.hotSpot.x()));
        storeU16LE(&file[12], static_cast<std::uint16_t>(picture.hotSpot.y()));
    } else {
        storeU16LE(&file[10], 1);
        storeU16LE(&file[12], static_cast<std::uint16_t>(bits));
    }
    storeU32LE(&file[14], static_cast<std::uint32_t>(image.size()));
    storeU32LE(&file[18], static_cast<std::uint32_t>(kDirectorySize));
    file.insert(file.end(), image.begin(), image.end());
    return file;
}

} // namespace brivmemo::tools
