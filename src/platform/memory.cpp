#include "platform/memory.h"

#include <cstdlib>

namespace {
int iFailCount = 0;
}

void* MemoryAllocZeroed(std::size_t size) {
  if (iFailCount > 0) {
    --iFailCount;
    return nullptr;
  }
  return std::calloc(1, size);
}

void MemoryFree(void* block) { std::free(block); }

void MemoryFailNextAllocations(int count) { iFailCount = count < 0 ? 0 : count; }
