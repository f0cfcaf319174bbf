// SPDX-License-Identifier: MIT
#include "BlockPacker.h"

#include "Exceptions.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <stdexcept>

namespace brivmemo {

namespace {

constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 18;
constexpr std::size_t kWindowSize = 4096;
constexpr std::size_t kMinRun = 16;
constexpr std::size_t kMaxRun = 4095;
constexpr unsigned kTokensPerControlWord = 16;
constexpr std::uint32_t kHashMultiplier = 40543;
// While packing, the output may run this far past the chunk length (a new control word and a
// run token written just as it reaches it) before the packer falls back to a stored block.
constexpr std::size_t kPackSlack = 6;
constexpr std::int32_t kRecordLengthSize = 4;

std::size_t RunLength(std::span<const std::uint8_t> chunk, std::size_t x)
{
    const std::size_t limit = std::min(chunk.size() - x, kMaxRun);
    const std::uint8_t value = chunk[x];
    std::size_t r = 1;
    while (r < limit && chunk[x + r] == value)
        ++r;
    return r;
}

void PutControlWord(std::uint8_t *slot, std::uint32_t control)
{
    slot[0] = static_cast<std::uint8_t>(control >> 8);
    slot[1] = static_cast<std::uint8_t>(control);
}

std::uint32_t GetControlWord(const std::uint8_t *slot)
{
    return (std::uint32_t {slot[0]} << 8) | slot[1];
}

// Copies a back-reference that may overlap the bytes it produces: those are repeated.
void CopyBackReference(std::uint8_t *out, std::size_t offset, std::size_t length)
{
    const std::uint8_t *from = out - offset;
    if (offset >= length)
        std::memcpy(out, from, length);
    else if (offset == 1)
        std::memset(out, *from, length);
    else
        for (std::size_t i = 0; i < length; ++i)
            out[i] = from[i];
}

} // namespace

std::optional<TMatch> FindMatch(std::span<const std::uint8_t> chunk, std::size_t x, TMatchTable &table)
{
    const std::size_t k = chunk.size();
    if (k < kMinMatch || x > k - kMinMatch)
        return std::nullopt;
    const std::uint32_t triple = (((std::uint32_t {chunk[x]} << 4) ^ chunk[x + 1]) << 4) ^ chunk[x + 2];
    const std::size_t slot = ((kHashMultiplier * triple) >> 4) & (kMatchTableSize - 1);
    const std::size_t entry = table[slot];
    table[slot] = static_cast<std::uint16_t>(x + 1);
    if (entry == 0)
        return std::nullopt;
    const std::size_t p = entry - 1;
    if (p >= x || x - p >= kWindowSize)
        return std::nullopt;
    const std::size_t limit = std::min(kMaxMatch, k - x);
    std::size_t m = 0;
    while (m < limit && chunk[x + m] == chunk[p + m])
        ++m;
    if (m < kMinMatch)
        return std::nullopt;
    return TMatch {p, m};
}

std::vector<std::uint8_t> PackBlock(std::span<const std::uint8_t> chunk)
{
    const std::size_t k = chunk.size();
    if (k > kChunkSize)
        throw std::invalid_argument("PackBlock: chunk longer than 32781 bytes");

    std::unique_ptr<TMatchTable> table;
    std::vector<std::uint8_t> block;
    try {
        table = std::make_unique<TMatchTable>();
        block.resize(k + kPackSlack);
    } catch (const std::bad_alloc &) {
        throw ELzrwError();
    }

    std::uint8_t *const out = block.data();
    out[0] = kPackedBlockFlag;
    std::size_t slot = 1;
    std::size_t y = 3;
    std::size_t x = 0;
    unsigned tokens = 0;
    std::uint32_t control = 0;
    while (x < k && y <= k) {
        if (tokens == kTokensPerControlWord) {
            PutControlWord(out + slot, control);
            slot = y;
            y += 2;
            tokens = 0;
        }
        std::uint32_t bit = 1;
        const std::size_t run = RunLength(chunk, x);
        if (run >= kMinRun) {
            const std::size_t extra = run - kMinRun;
            out[y] = 0x00;
            out[y + 1] = static_cast<std::uint8_t>(extra >> 8);
            out[y + 2] = static_cast<std::uint8_t>(extra);
            out[y + 3] = chunk[x];
            y += 4;
            x += run;
        } else if (const auto match = FindMatch(chunk, x, *table)) {
            const std::size_t key = ((x - match->position) << 4) + (match->length - kMinMatch);
            out[y] = static_cast<std::uint8_t>(key >> 8);
            out[y + 1] = static_cast<std::uint8_t>(key);
            y += 2;
            x += match->length;
        } else {
            out[y++] = chunk[x++];
            bit = 0;
        }
        control = (control << 1) | bit;
        ++tokens;
    }
    PutControlWord(out + slot, control << (kTokensPerControlWord - tokens));

    if (y > k) {
        out[0] = kStoredBlockFlag;
        std::copy(chunk.begin(), chunk.end(), out + 1);
        block.resize(k + 1);
    } else {
        block.resize(y);
    }
    return block;
}

std::size_t UnpackBlock(std::span<const std::uint8_t> block, std::span<std::uint8_t, kChunkSize> chunk)
{
    const std::size_t lc = block.size();
    const std::uint8_t *const in = block.data();
    std::uint8_t *const out = chunk.data();
    if (lc == 0)
        throw EInvalidBitmapListStream();
    if (in[0] == kStoredBlockFlag) {
        if (lc > kMaxBlockSize)
            throw EInvalidBitmapListStream();
        std::copy(block.begin() + 1, block.end(), out);
        return lc - 1;
    }
    if (lc < 3)
        throw EInvalidBitmapListStream();

    std::uint32_t control = GetControlWord(in + 1);
    unsigned bitsLeft = kTokensPerControlWord;
    std::size_t p = 3;
    std::size_t n = 0;
    while (p < lc) {
        if (bitsLeft == 0) {
            // A control word is only written in front of a token, so one must follow it.
            if (lc - p < 3)
                throw EInvalidBitmapListStream();
            control = GetControlWord(in + p);
            p += 2;
            bitsLeft = kTokensPerControlWord;
        }
        const bool isCopy = (control & 0x8000) != 0;
        control <<= 1;
        --bitsLeft;
        if (!isCopy) {
            if (n == kChunkSize)
                throw EInvalidBitmapListStream();
            out[n++] = in[p++];
            continue;
        }
        if (lc - p < 2)
            throw EInvalidBitmapListStream();
        const std::size_t offset = (std::size_t {in[p]} << 4) | (in[p + 1] >> 4);
        if (offset == 0) {
            if (lc - p < 4)
                throw EInvalidBitmapListStream();
            const std::size_t length = ((std::size_t {in[p + 1]} << 8) | in[p + 2]) + kMinRun;
            if (length > kChunkSize - n)
                throw EInvalidBitmapListStream();
            std::memset(out + n, in[p + 3], length);
            n += length;
            p += 4;
        } else {
            const std::size_t length = (in[p + 1] & 0x0FU) + kMinMatch;
            if (offset > n || length > kChunkSize - n)
                throw EInvalidBitmapListStream();
            CopyBackReference(out + n, offset, length);
            n += length;
            p += 2;
        }
    }
    return n;
}

std::vector<std::uint8_t> UnpackBlock(std::span<const std::uint8_t> block)
{
    const auto buffer = std::make_unique_for_overwrite<std::uint8_t[]>(kChunkSize);
    const std::size_t n = UnpackBlock(block, std::span<std::uint8_t, kChunkSize>(buffer.get(), kChunkSize));
    return {buffer.get(), buffer.get() + n};
}

void PackStream(TStream &source, TStream &target, std::int32_t size)
{
    if (size > kMaxItemSize)
        throw EInvalidBitmapListStream();
    std::size_t left = size > 0 ? static_cast<std::size_t>(size) : 0;
    if (left > source.remaining())
        throw EReadError();

    const std::size_t totalPosition = target.position();
    target.writeInt32(0);
    std::int32_t total = 0;
    std::vector<std::uint8_t> chunk(std::min(left, kChunkSize));
    while (left > 0) {
        const std::size_t k = std::min(left, kChunkSize);
        source.readBuffer(chunk.data(), k);
        const auto block = PackBlock(std::span<const std::uint8_t>(chunk.data(), k));
        const auto lc = static_cast<std::int32_t>(block.size());
        target.writeInt32(lc);
        target.write(block.data(), block.size());
        total += kRecordLengthSize + lc;
        left -= k;
    }
    const std::size_t end = target.position();
    target.setPosition(totalPosition);
    target.writeInt32(total);
    target.setPosition(end);
}

void UnpackChunks(TStream &source, const std::function<void(std::span<const std::uint8_t>)> &sink)
{
    std::int32_t total = source.readInt32();
    if (total < 0)
        throw EInvalidBitmapListStream();
    // Checking the whole record against the source first means a cut-off record appends nothing.
    if (static_cast<std::size_t>(total) > source.remaining())
        throw EReadError();
    if (total == 0)
        return;

    const auto chunk = std::make_unique_for_overwrite<std::uint8_t[]>(kChunkSize);
    std::vector<std::uint8_t> block;
    while (total > 0) {
        if (total < kRecordLengthSize)
            throw EInvalidBitmapListStream();
        const std::int32_t lc = source.readInt32();
        if (lc < 1 || static_cast<std::size_t>(lc) > kMaxBlockSize || lc > total - kRecordLengthSize)
            throw EInvalidBitmapListStream();
        block.resize(static_cast<std::size_t>(lc));
        source.readBuffer(block.data(), block.size());
        const std::size_t n
            = UnpackBlock(block, std::span<std::uint8_t, kChunkSize>(chunk.get(), kChunkSize));
        sink(std::span<const std::uint8_t>(chunk.get(), n));
        total -= kRecordLengthSize + lc;
    }
}

void UnpackStream(TStream &source, TStream &target)
{
    UnpackChunks(
        source, [&target](std::span<const std::uint8_t> chunk) { target.write(chunk.data(), chunk.size()); });
}

} // namespace brivmemo
