#include "platform/memory.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <vector>

// Under the leak checker, blocks mapped on their own are registered as
// places that hold pointers: the checker scans only its own heap, and a
// table keeps the addresses of what it owns in its record.
#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(leak_sanitizer)
#define CARTOVEL_LEAK_CHECKER 1
#endif
#endif
#if !defined(CARTOVEL_LEAK_CHECKER) && defined(__SANITIZE_ADDRESS__)
#define CARTOVEL_LEAK_CHECKER 1
#endif
#ifdef CARTOVEL_LEAK_CHECKER
#include <sanitizer/lsan_interface.h>
#endif

namespace {

int iFailCount = 0;

// Blocks of at least this size are mapped on their own, starting on a
// large-page boundary and spanning whole large pages, so that they can be
// backed by large pages when they are filled.
constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;

// Linux 6.1's synchronous merge into large pages; the C library's headers
// do not name it yet. Older kernels refuse it, which is harmless.
#ifdef MADV_COLLAPSE
constexpr int kCollapse = MADV_COLLAPSE;
#else
constexpr int kCollapse = 25;
#endif

// A block mapped on its own: where it starts and how long its mapping is.
struct MappedBlock {
  std::uintptr_t start;
  std::size_t length;
};

// The blocks mapped on their own (tables and their text pools: a few).
struct MappedBlocks {
  std::mutex lock;
  std::vector<MappedBlock> blocks;
};

MappedBlocks& Mapped() {
  static MappedBlocks mapped;
  return mapped;
}

std::uintptr_t RoundUp(std::uintptr_t n) { return (n + kLargePage - 1) & ~(kLargePage - 1); }
std::uintptr_t RoundDown(std::uintptr_t n) { return n & ~(kLargePage - 1); }

// A zero-filled mapping of `size` bytes (whole large pages) that starts on
// a large-page boundary, or null.
void* MapAligned(std::size_t size) {
  const std::size_t length = RoundUp(size);
  const std::size_t padded = length + kLargePage;
  void* raw = mmap(nullptr, padded, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) return nullptr;
  const auto base = reinterpret_cast<std::uintptr_t>(raw);
  const std::uintptr_t start = RoundUp(base);
  // The padding before and after the aligned stretch goes back.
  if (start > base) munmap(raw, start - base);
  const std::uintptr_t end = start + length;
  if (base + padded > end) munmap(reinterpret_cast<void*>(end), base + padded - end);
  MappedBlocks& mapped = Mapped();
  std::lock_guard<std::mutex> hold(mapped.lock);
  mapped.blocks.push_back(MappedBlock{start, length});
#ifdef CARTOVEL_LEAK_CHECKER
  __lsan_register_root_region(reinterpret_cast<void*>(start), length);
#endif
  return reinterpret_cast<void*>(start);
}

}  // namespace

void* MemoryAllocZeroed(std::size_t size) {
  if (iFailCount > 0) {
    --iFailCount;
    return nullptr;
  }
  if (size >= kLargePage) return MapAligned(size);
  return std::calloc(1, size);
}

void MemoryFree(void* block) {
  if (!block) return;
  const auto start = reinterpret_cast<std::uintptr_t>(block);
  MappedBlocks& mapped = Mapped();
  {
    std::lock_guard<std::mutex> hold(mapped.lock);
    const auto found = std::find_if(mapped.blocks.begin(), mapped.blocks.end(),
                                    [start](const MappedBlock& b) { return b.start == start; });
    if (found != mapped.blocks.end()) {
#ifdef CARTOVEL_LEAK_CHECKER
      __lsan_unregister_root_region(block, found->length);
#endif
      munmap(block, found->length);
      mapped.blocks.erase(found);
      return;
    }
  }
  std::free(block);
}

void MemoryPrepareForFill(void* begin, std::size_t bytes) {
  const auto from = reinterpret_cast<std::uintptr_t>(begin);
  const std::uintptr_t to = from + bytes;
  // Inside a block mapped on its own the stretch widens to the large pages
  // it touches; elsewhere only the large pages wholly inside it count.
  std::uintptr_t first = RoundUp(from);
  std::uintptr_t last = RoundDown(to);
  {
    MappedBlocks& mapped = Mapped();
    std::lock_guard<std::mutex> hold(mapped.lock);
    for (const MappedBlock& b : mapped.blocks) {
      if (from >= b.start && to <= b.start + b.length) {
        first = RoundDown(from);
        last = RoundUp(to);
        break;
      }
    }
  }
  if (bytes == 0 || last <= first) return;
  void* const stretch = reinterpret_cast<void*>(first);
  const std::size_t length = static_cast<std::size_t>(last - first);
  // Faults in the stretch take large pages from now on; the pages already
  // there (and the empty rest) are made large pages at once where the
  // kernel can. (Faulting the rest in by one more call was measured and
  // made table fills slower.)
  if (madvise(stretch, length, MADV_HUGEPAGE) != 0) return;
  madvise(stretch, length, kCollapse);
}

void MemoryFailNextAllocations(int count) { iFailCount = count < 0 ? 0 : count; }
