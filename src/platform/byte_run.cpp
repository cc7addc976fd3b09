#include "platform/byte_run.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/memory.h"

namespace {

// The first block: address space only, until bytes arrive.
constexpr std::size_t kFirstCapacity = std::size_t{4} << 20;

// Pages are readied this many bytes at a time as the writes reach them.
constexpr std::size_t kReadyStep = std::size_t{2} << 20;

}  // namespace

ByteRun::ByteRun(ByteRun&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)),
      ready_(std::exchange(other.ready_, 0)) {}

ByteRun& ByteRun::operator=(ByteRun&& other) noexcept {
  if (this != &other) {
    MemoryFree(data_);
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    capacity_ = std::exchange(other.capacity_, 0);
    ready_ = std::exchange(other.ready_, 0);
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
  char* const old = data_;
  data_ = data;
  capacity_ = capacity;
  ready_ = 0;
  Ready(size_);
  if (size_ > 0) std::memcpy(data_, old, size_);
  MemoryFree(old);
  return true;
}

void ByteRun::Ready(std::size_t end) {
  if (end <= ready_) return;
  const std::size_t until = std::min(capacity_, (end + kReadyStep - 1) / kReadyStep * kReadyStep);
  MemoryPrepareForFill(data_ + ready_, until - ready_);
  ready_ = until;
}

bool ByteRun::Append(std::string_view bytes) {
  if (bytes.empty()) return true;
  if (!Reserve(bytes.size())) return false;
  Ready(size_ + bytes.size());
  std::memcpy(data_ + size_, bytes.data(), bytes.size());
  size_ += bytes.size();
  return true;
}

bool ByteRun::AppendSized(std::uint32_t length, std::string_view bytes) {
  const std::size_t total = sizeof length + bytes.size();
  if (!Reserve(total)) return false;
  Ready(size_ + total);
  std::memcpy(data_ + size_, &length, sizeof length);
  if (!bytes.empty()) std::memcpy(data_ + size_ + sizeof length, bytes.data(), bytes.size());
  size_ += total;
  return true;
}
