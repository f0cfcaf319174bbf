// SPDX-License-Identifier: MIT
// The block packer of the packed bitmap list form: a small dictionary coder that packs one chunk
// of at most 32781 bytes into one block, and the chunk records that carry a whole item as a
// sequence of such blocks. docs/packed-block.md describes the bytes.
#pragma once

#include "Stream.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace brivmemo {

// An item is cut into chunks of this many bytes; only the last one may be shorter.
inline constexpr std::size_t kChunkSize = 32781;
// The longest valid block: a full chunk stored unchanged behind its flag byte.
inline constexpr std::size_t kMaxBlockSize = kChunkSize + 1;
inline constexpr std::uint8_t kStoredBlockFlag = 0x80;
inline constexpr std::uint8_t kPackedBlockFlag = 0x40;
// The largest item PackStream accepts: its chunk records' total must still fit the signed
// 32-bit field in front of them.
inline constexpr std::int32_t kMaxItemSize = 0x7FFFFFFF - 5 * 0x10000;

// The match finder's memory: per hash slot, one plus the last position that hashed there
// (0 = none yet).
inline constexpr std::size_t kMatchTableSize = 4096;
using TMatchTable = std::array<std::uint16_t, kMatchTableSize>;

struct TMatch {
    std::size_t position;
    std::size_t length;
};

// Looks up the three bytes at x in the table and enters x there. Reports an earlier position,
// at most 4095 bytes back, whose bytes agree with those at x for 3 to 18 bytes. The chunk must
// not be longer than kChunkSize.
std::optional<TMatch> FindMatch(std::span<const std::uint8_t> chunk, std::size_t x, TMatchTable &table);

// Packs a chunk of at most kChunkSize bytes into a block of at most chunk.size() + 1 bytes.
// Throws ELzrwError when the working memory cannot be had and std::invalid_argument for a
// chunk that is too long.
std::vector<std::uint8_t> PackBlock(std::span<const std::uint8_t> chunk);

// Unpacks a block into the chunk buffer and returns the number of bytes produced. Throws
// EInvalidBitmapListStream for a block that is not well formed; nothing outside the two
// buffers is ever read or written.
std::size_t UnpackBlock(std::span<const std::uint8_t> block, std::span<std::uint8_t, kChunkSize> chunk);
std::vector<std::uint8_t> UnpackBlock(std::span<const std::uint8_t> block);

// Packs the next size bytes of the source into one item's chunk records at the target's
// position, and leaves the target positioned after them. A size of 0 or less writes an empty
// record. Throws EReadError, before writing anything, when the source holds fewer bytes.
void PackStream(TStream &source, TStream &target, std::int32_t size);

// Reads one item's chunk records from the source and hands each unpacked chunk to the sink, in
// order; a sink may throw to stop early. Throws EReadError when the source ends inside the
// record and EInvalidBitmapListStream when the record or one of its blocks is not well formed.
void UnpackChunks(TStream &source, const std::function<void(std::span<const std::uint8_t>)> &sink);
// UnpackChunks appending the unpacked bytes to the target.
void UnpackStream(TStream &source, TStream &target);

} // namespace brivmemo
