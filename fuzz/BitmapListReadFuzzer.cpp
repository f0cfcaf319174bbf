// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to a bitmap list as its stored ListItems. A load either fails with one
// of the program's own errors or gives a list that writes itself out, in both forms, and reads
// back the same pictures.
#include "Exceptions.h"
#include "MMBitmapList.h"
#include "MemoryStream.h"

#include <cstdlib>

namespace {

using brivmemo::TMMBitmapList;

// Packing a picture of tens of megabytes takes long enough to slow the search down, so the
// round trip is left to lists of moderate size.
constexpr std::size_t kRoundTripBytes = std::size_t {4} << 20;
// Display forms are four bytes a pixel and built pixel by pixel, so only smaller ones are made.
constexpr long long kDisplayPixels = 1 << 18;

bool smallEnoughToWrite(TMMBitmapList &list)
{
    std::size_t bytes = 0;
    for (int i = 0; i < list.Count(); ++i)
        bytes += list.Bitmaps(i)->pixels().bits.size();
    return bytes <= kRoundTripBytes;
}

bool samePictures(TMMBitmapList &a, TMMBitmapList &b)
{
    if (a.Count() != b.Count())
        return false;
    for (int i = 0; i < a.Count(); ++i) {
        const auto &left = a.Bitmaps(i)->pixels();
        const auto &right = b.Bitmaps(i)->pixels();
        // An empty picture is stored as no bytes at all, so only its emptiness survives.
        const bool bothEmpty = a.Bitmaps(i)->isEmpty() && b.Bitmaps(i)->isEmpty();
        if (!bothEmpty && left != right)
            return false;
    }
    return true;
}

void expectRoundTrip(TMMBitmapList &list, bool compressed)
{
    list.SetCompressed(compressed);
    brivmemo::TMemoryStream stream;
    list.WriteListItems(stream);
    TMMBitmapList copy;
    copy.LoadListItems(stream.bytes());
    if (!samePictures(list, copy))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    TMMBitmapList list;
    try {
        list.LoadListItems({data, size});
    } catch (const brivmemo::Exception &) {
        return 0;
    }
    if (!smallEnoughToWrite(list))
        return 0;
    // Every pixel's colour, whatever the masks and palette, goes into a display form of the
    // picture's own size.
    for (int i = 0; i < list.Count(); ++i) {
        const brivmemo::TBitmap &bitmap = *list.Bitmaps(i);
        if (bitmap.isEmpty() || static_cast<long long>(bitmap.width()) * bitmap.height() > kDisplayPixels)
            continue;
        if (bitmap.displayImage().size() != QSize(bitmap.width(), bitmap.height()))
            std::abort();
    }
    expectRoundTrip(list, false);
    expectRoundTrip(list, true);
    return 0;
}
