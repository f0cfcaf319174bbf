// SPDX-License-Identifier: MIT
// This program replaces the global allocation functions so that one chosen allocation fails.
// It is a program of its own so that no other suite runs on these allocation functions. The
// array forms are left alone: by default they call these, and under AddressSanitizer they stay
// paired with its own.
#include "BlockPacker.h"
#include "Exceptions.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <new>
#include <string>

namespace {

// The number of allocations left until the one that fails; 0 lets every allocation succeed.
int allocationsUntilFailure = 0;

void *Allocate(std::size_t size)
{
    if (allocationsUntilFailure > 0 && --allocationsUntilFailure == 0)
        throw std::bad_alloc();
    if (void *memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

void *AllocateOrNull(std::size_t size) noexcept
{
    try {
        return Allocate(size);
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}

} // namespace

void *operator new(std::size_t size)
{
    return Allocate(size);
}

void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    return AllocateOrNull(size);
}

void operator delete(void *memory) noexcept
{
    std::free(memory);
}

void operator delete(void *memory, std::size_t) noexcept
{
    std::free(memory);
}

namespace brivmemo {
namespace {

std::string PackFailingAtAllocation(int allocation)
{
    const std::vector<std::uint8_t> chunk(1000, 0x42);
    try {
        allocationsUntilFailure = allocation;
        PackBlock(chunk);
    } catch (const ELzrwError &error) {
        allocationsUntilFailure = 0;
        return error.what();
    }
    allocationsUntilFailure = 0;
    return "packed";
}

TEST(BlockPackerAllocation, TableOrOutputMemoryMissingIsAnLzrwError)
{
    // The packer's first allocation is its match table, the second its output.
    EXPECT_EQ(PackFailingAtAllocation(1), "LZRW Error!");
    EXPECT_EQ(PackFailingAtAllocation(2), "LZRW Error!");
}

} // namespace
} // namespace brivmemo
