// The bytes of a text to import: a file read piece by piece at offsets, or
// a buffer in memory (the same reader runs on both).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class TextSource {
 public:
  TextSource() = default;
  ~TextSource();
  TextSource(const TextSource&) = delete;
  TextSource& operator=(const TextSource&) = delete;

  // Open a regular file for reading: 0, or -1 when it cannot be opened.
  int Open(const std::string& path);
  // Read from memory that outlives the source.
  void UseMemory(std::string_view bytes);

  std::int64_t Size() const { return iSize_; }

  // Up to `n` bytes from `offset`: *bytes points at them (into `buffer`
  // for a file, into the memory otherwise). Returns how many there are (0
  // at the end), or -1 when reading failed.
  std::int64_t Read(std::int64_t offset, char* buffer, std::size_t n, const char** bytes) const;

 private:
  int fd_ = -1;
  const char* pMemory_ = nullptr;
  std::int64_t iSize_ = 0;
};
