#include "platform/memory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

// Blocks small and large come zero-filled, the large ones on a 2 MiB
// boundary; readying a stretch for filling keeps what it holds; both kinds
// are given back by MemoryFree.
TEST(MemoryBlocks, ZeroFilledAlignedAndKeptWhenReadied) {
  const std::size_t sizes[] = {64, 100000, std::size_t{2} << 20, (std::size_t{5} << 20) + 123};
  for (const std::size_t size : sizes) {
    auto* block = static_cast<unsigned char*>(MemoryAllocZeroed(size));
    ASSERT_NE(block, nullptr) << size;
    if (size >= (std::size_t{2} << 20)) {
      EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % (std::uintptr_t{2} << 20), 0u) << size;
    }
    std::size_t nonZero = 0;
    for (std::size_t i = 0; i < size; i += 4096) nonZero += block[i] != 0;
    EXPECT_EQ(nonZero, 0u) << size;
    block[0] = 1;
    block[size / 2] = 2;
    block[size - 1] = 3;
    // Unaligned, partial and empty stretches alike.
    MemoryPrepareForFill(block + 17, size - 17);
    MemoryPrepareForFill(block, size / 3);
    MemoryPrepareForFill(block, 0);
    EXPECT_EQ(block[0], 1);
    EXPECT_EQ(block[size / 2], 2);
    EXPECT_EQ(block[size - 1], 3);
    EXPECT_EQ(block[size - 2], 0);
    block[size - 2] = 4;  // the whole block stays writable
    MemoryFree(block);
  }
  MemoryFree(nullptr);
}

TEST(MemoryBlocks, FailNextAllocationsCountsLargeBlocksToo) {
  MemoryFailNextAllocations(1);
  EXPECT_EQ(MemoryAllocZeroed(std::size_t{3} << 20), nullptr);
  void* block = MemoryAllocZeroed(std::size_t{3} << 20);
  EXPECT_NE(block, nullptr);
  MemoryFree(block);
}

}  // namespace
