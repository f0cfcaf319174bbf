// SPDX-License-Identifier: MIT
// The pictures of a card set as one bitmap list stream, plain ("MBML") or packed ("MBMC"), read
// with the card-set limits: the stream's size, what unpacking produces and each picture's size
// are checked before anything is allocated for them. The game's own lists are read by the list
// itself, without these limits.
#pragma once

#include "Bitmap.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace brivmemo {
class TMMBitmapList;
}

namespace brivmemo::cardset {

inline constexpr char kStreamFileName[] = "cards.mbml";

// The pictures of a set, entry 0 the back; bitmaps are neither copied nor moved, so they are
// held by pointer.
using Pictures = std::vector<std::unique_ptr<TBitmap>>;

// Exactly kEntryCount pictures, entry 0 the back. Throws CardSetError (empty file) with the
// reason: a stream larger than kMaxStreamBytes, a magic that is neither form, another number of
// entries, an entry that is empty, cut short or not well formed, a picture larger than
// kMaxPictureSide on a side, more than kMaxUnpackedBytes unpacked, bytes after the last entry.
Pictures readCardSetStream(std::span<const std::uint8_t> bytes);

enum class StreamForm { Plain, Packed };

// The stream of kEntryCount pictures in the form asked; the list's own writer writes it.
std::vector<std::uint8_t> writeCardSetStream(const Pictures &pictures, StreamForm form);

// Puts the pictures into the list in one change, so its observers repaint once.
void fillList(TMMBitmapList &list, const Pictures &pictures);

} // namespace brivmemo::cardset
