// Zero-filled blocks for document records. Large blocks come from the
// system as untouched pages, so only what a record writes becomes resident.
#pragma once

#include <cstddef>

// A zero-filled block of `size` bytes, or null when it cannot be had.
void* MemoryAllocZeroed(std::size_t size);
void MemoryFree(void* block);

// Test hook: the next `count` allocations fail.
void MemoryFailNextAllocations(int count);
