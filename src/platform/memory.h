// Zero-filled blocks for document records. Large blocks come from the
// system as untouched pages, so only what a record writes becomes resident;
// they start on a large-page boundary so that a stretch about to be filled
// can be backed by large pages (MemoryPrepareForFill).
#pragma once

#include <cstddef>

// A zero-filled block of `size` bytes, or null when it cannot be had.
void* MemoryAllocZeroed(std::size_t size);
void MemoryFree(void* block);

// The caller is about to write most of [begin, begin + bytes) of a block
// from MemoryAllocZeroed: have the 2 MiB pages it touches backed by large
// pages at once (where the system offers them), so that filling them does
// not fault in page by page. Contents are kept; those pages become
// resident. Nothing happens when the system declines.
void MemoryPrepareForFill(void* begin, std::size_t bytes);

// Test hook: the next `count` allocations fail.
void MemoryFailNextAllocations(int count);
