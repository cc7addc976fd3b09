// The bytes of a text to import: a file read piece by piece at offsets, or
// a buffer in memory (the same reader runs on both).
//
// A file whose size is not known beforehand (a pipe, a terminal, a file of
// /proc that reports no size) is read to its end into an unnamed temporary
// file first, so that it can be read at offsets like any other. A text
// that starts with a UTF-16 byte-order mark (little or big endian) is
// decoded to UTF-8 the same way: every offset the readers keep (the
// sampling offsets of "Get detailed data" among them) is an offset in the
// decoded text, which opening the file again decodes to the same bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// At most this much of a stream or of a decoded text is kept (one byte
// more tells that there was more): texts are refused from 4 GiB on.
inline constexpr std::int64_t TEXT_SOURCE_SPOOL_LIMIT = std::int64_t{1} << 32;

class TextSource {
 public:
  TextSource() = default;
  ~TextSource();
  TextSource(const TextSource&) = delete;
  TextSource& operator=(const TextSource&) = delete;

  // Open a file for reading: 0, or -1 when it cannot be opened (a folder,
  // a missing file, no temporary space for a stream or a decoded text).
  int Open(const std::string& path);
  // Read from memory that outlives the source.
  void UseMemory(std::string_view bytes);

  std::int64_t Size() const { return iSize_; }
  // Whether the bytes are a UTF-16 file decoded to UTF-8.
  bool Decoded() const { return bDecoded_; }

  // Up to `n` bytes from `offset`: *bytes points at them (into `buffer`
  // for a file, into the memory otherwise). Returns how many there are (0
  // at the end), or -1 when reading failed.
  std::int64_t Read(std::int64_t offset, char* buffer, std::size_t n, const char** bytes) const;

 private:
  void Close();

  int fd_ = -1;
  const char* pMemory_ = nullptr;
  std::int64_t iSize_ = 0;
  bool bDecoded_ = false;
};
