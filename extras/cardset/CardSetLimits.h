// SPDX-License-Identifier: MIT
// What a card set may hold. A set comes from anywhere, so its loader checks each of these before
// it allocates anything for the part concerned.
#pragma once

#include <cstddef>

namespace brivmemo::cardset {

// Entry 0 is the back, entries 1 to 20 the faces, in the roles of the game's own card list.
inline constexpr int kFaceCount = 20;
inline constexpr int kEntryCount = kFaceCount + 1;

inline constexpr std::size_t kMaxStreamBytes = std::size_t {16} << 20;
// All the pictures of one stream together, unpacked.
inline constexpr std::size_t kMaxUnpackedBytes = std::size_t {64} << 20;
inline constexpr int kMaxPictureSide = 1024;
inline constexpr std::size_t kMaxMetadataBytes = std::size_t {64} << 10;

// The side of the square the tool draws every picture on: three times a card.
inline constexpr int kPictureSide = 246;

} // namespace brivmemo::cardset
