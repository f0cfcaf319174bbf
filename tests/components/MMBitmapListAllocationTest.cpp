// SPDX-License-Identifier: MIT
// This program replaces the global allocation functions to record the largest single request,
// so it is a program of its own. A few dozen bytes of stream must never make the list or the
// picture decoder ask for more memory than those bytes can fill.
#include "BitmapTestImages.h"
#include "Exceptions.h"
#include "MMBitmapList.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>

namespace {

std::size_t largestRequest = 0;

void *Allocate(std::size_t size)
{
    largestRequest = std::max(largestRequest, size);
    if (void *memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

} // namespace

void *operator new(std::size_t size)
{
    return Allocate(size);
}

void *operator new[](std::size_t size)
{
    return Allocate(size);
}

void operator delete(void *memory) noexcept
{
    std::free(memory);
}

void operator delete[](void *memory) noexcept
{
    std::free(memory);
}

void operator delete(void *memory, std::size_t) noexcept
{
    std::free(memory);
}

void operator delete[](void *memory, std::size_t) noexcept
{
    std::free(memory);
}

namespace brivmemo {
namespace {

using testing::BmpFields;
using testing::buildBmp;
using testing::put32;
using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kSmall = 64 * 1024;

Bytes listOf(const Bytes &image, std::uint32_t length)
{
    Bytes out {'M', 'B', 'M', 'L'};
    put32(out, 1);
    put32(out, length);
    out.insert(out.end(), image.begin(), image.end());
    return out;
}

template<typename Failure> void expectSmallFailure(const Bytes &stream)
{
    TMMBitmapList list;
    largestRequest = 0;
    EXPECT_THROW(list.LoadListItems(stream), Failure);
    EXPECT_LT(largestRequest, kSmall);
}

TEST(BitmapListAllocation, ItemLengthBeyondTheStreamAllocatesNothingLarge)
{
    const Bytes image = testing::tinyBmp24();
    expectSmallFailure<EReadError>(listOf(image, 0x7FFFFFF0));
    expectSmallFailure<EReadError>(listOf(image, static_cast<std::uint32_t>(image.size() + 1)));
}

TEST(BitmapListAllocation, OversizedPictureAllocatesNothingLarge)
{
    for (const auto &[width, height] : {std::pair {16385, 16384}, std::pair {16384, -16385},
             std::pair {-1, 1}, std::pair {0x7FFFFFFF, 0x7FFFFFFF}, std::pair {4096, 2049}}) {
        BmpFields f;
        f.bitCount = 32;
        f.width = width;
        f.height = height;
        const Bytes image = buildBmp(f);
        expectSmallFailure<EInvalidGraphic>(listOf(image, static_cast<std::uint32_t>(image.size())));
    }
}

TEST(BitmapListAllocation, OversizedColourTableAllocatesNothingLarge)
{
    BmpFields f;
    f.bitCount = 8;
    f.colorsUsed = 0x40000000;
    const Bytes image = buildBmp(f);
    expectSmallFailure<EInvalidGraphic>(listOf(image, static_cast<std::uint32_t>(image.size())));
}

TEST(BitmapListAllocation, ThePictureBufferIsSizedByTheHeaderWithinTheLimit)
{
    // Short pixel data is read as far as it goes, so the buffer follows the header, not the bytes.
    BmpFields f;
    f.bitCount = 8;
    f.width = 1000;
    f.height = 1000;
    f.colorTable.assign(256, 0);
    const Bytes image = buildBmp(f);
    TMMBitmapList list;
    largestRequest = 0;
    list.LoadListItems(listOf(image, static_cast<std::uint32_t>(image.size())));
    EXPECT_GE(largestRequest, 1000u * 1000u);
    EXPECT_EQ(list.Bitmaps(0)->width(), 1000);
}

} // namespace
} // namespace brivmemo
