#include "platform/byte_run.h"

#include <cstring>
#include <utility>

#include "platform/memory.h"

namespace {

// The first block: address space only, until bytes arrive.
constexpr std::size_t kFirstCapacity = std::size_t{4} << 20;

}  // namespace

ByteRun::ByteRun(ByteRun&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

ByteRun& ByteRun::operator=(ByteRun&& other) noexcept {
  if (this != &other) {
    MemoryFree(data_);
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    capacity_ = std::exchange(other.capacity_, 0);
  }
  return *this;
}

ByteRun::~ByteRun() { MemoryFree(data_); }

bool ByteRun::Reserve(std::size_t more) {
  if (more <= capacity_ - size_) return true;
  if (more > SIZE_MAX / 2 - size_) return false;
  std::size_t capacity = capacity_ == 0 ? kFirstCapacity : capacity_;
  while (capacity < size_ + more) capacity *= 2;
  auto* data = static_cast<char*>(MemoryAllocZeroed(capacity));
  if (!data) return false;
  // The whole block is about to be filled in order: its pages are taken
  // as large pages when the writes reach them.
  MemoryPrepareForFill(data, capacity);
  if (size_ > 0) std::memcpy(data, data_, size_);
  MemoryFree(data_);
  data_ = data;
  capacity_ = capacity;
  return true;
}

bool ByteRun::Append(std::string_view bytes) {
  if (bytes.empty()) return true;
  if (!Reserve(bytes.size())) return false;
  std::memcpy(data_ + size_, bytes.data(), bytes.size());
  size_ += bytes.size();
  return true;
}
