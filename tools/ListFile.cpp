// SPDX-License-Identifier: MIT
#include "ListFile.h"

#include "Bitmap.h"
#include "DibConversion.h"
#include "MemoryStream.h"

namespace brivmemo::tools {

namespace {

// The plain bitmap list stream: "MBML", the count, then each BMP file image after its length.
std::vector<std::uint8_t> writePlainListStream(const std::vector<std::vector<std::uint8_t>> &images)
{
    TMemoryStream stream;
    stream.write("MBML", 4);
    stream.writeInt32(static_cast<std::int32_t>(images.size()));
    for (const auto &image : images) {
        stream.writeInt32(static_cast<std::int32_t>(image.size()));
        stream.write(image.data(), image.size());
    }
    return stream.bytes();
}

std::vector<QImage> readBack(const std::vector<std::uint8_t> &bytes)
{
    TMemoryStream stream(bytes);
    char magic[4] {};
    stream.readBuffer(magic, sizeof magic);
    const std::int32_t count = stream.readInt32();
    std::vector<QImage> shown;
    for (std::int32_t i = 0; i < count; ++i) {
        std::vector<std::uint8_t> image(static_cast<std::size_t>(stream.readInt32()));
        stream.readBuffer(image.data(), image.size());
        TBitmap bitmap;
        bitmap.loadFromBytes(image);
        shown.push_back(bitmap.displayImage());
    }
    return shown;
}

} // namespace

EncodedList encodeList(const std::vector<ListPicture> &pictures)
{
    std::vector<std::vector<std::uint8_t>> images;
    for (const ListPicture &picture : pictures) {
        const DibPixels dib = toDib(picture.image, picture.format, picture.tableSize, picture.pinned);
        images.push_back(encodeBmp(dib, writeOptionsLeavingTableOut(dib)));
    }
    EncodedList list;
    list.stream = writePlainListStream(images);
    list.shown = readBack(list.stream);
    return list;
}

} // namespace brivmemo::tools
