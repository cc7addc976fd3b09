// A growable run of bytes for staging bulk reads (megabytes of values read
// before they are stored). It lives in blocks from MemoryAllocZeroed that
// are backed by large pages as they fill, so that a large run does not
// fault its memory in page by page. Move-only; freed with the run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

class ByteRun {
 public:
  ByteRun() = default;
  ByteRun(const ByteRun&) = delete;
  ByteRun& operator=(const ByteRun&) = delete;
  ByteRun(ByteRun&& other) noexcept;
  ByteRun& operator=(ByteRun&& other) noexcept;
  ~ByteRun();

  // Append bytes; false (and the run unchanged) when there is no memory.
  bool Append(std::string_view bytes);

  // Append a 4-byte length word, then `bytes`; false (and the run
  // unchanged) when there is no memory.
  bool AppendSized(std::uint32_t length, std::string_view bytes);

  // Drop the bytes from `size` on (a smaller size than now).
  void Truncate(std::size_t size) {
    if (size < size_) size_ = size;
  }

  // The bytes appended so far.
  std::string_view View() const { return std::string_view(data_, size_); }
  std::size_t Size() const { return size_; }

 private:
  // Make room for `more` bytes; false when there is no memory.
  bool Reserve(std::size_t more);

  // Have the pages up to byte `end` backed as filled pages, a step ahead.
  void Ready(std::size_t end);

  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
  std::size_t ready_ = 0;  // bytes whose pages are readied
};
