// Splitting the bytes of a table file section into fields and lines while
// the file is read chunk by chunk: a field or a line-end pair cut by a
// chunk boundary comes out exactly as if the section were one buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/text_source.h"

// How fields and lines end.
enum FieldRule : int {
  FIELDS_IN_LINES,          // TAB ends a field; CR or LF ends the line, and one CR or LF right after it is skipped
  FIELDS_IN_PRIVATE_LINES,  // TAB ends a field; only CR LF ends the line (other CR and LF bytes are field bytes)
  FIELDS_ANY_BREAK,         // TAB, CR and LF each end a field; there are no lines
};

// What the fields go to.
class FieldSink {
 public:
  virtual ~FieldSink() = default;
  // A field ended by a TAB (any break under FIELDS_ANY_BREAK).
  virtual void Field(std::string_view raw) = 0;
  // A line ended; `raw` is its last field.
  virtual void LineEnd(std::string_view raw) = 0;
};

class FieldSplitter {
 public:
  // Fields are handed on with at most `keep` bytes (the rest is passed
  // over), the same whether or not a chunk boundary cut them.
  FieldSplitter(FieldRule rule, std::size_t keep) : rule_(rule), keep_(keep) {}

  // The next bytes of the section.
  void Feed(std::string_view bytes, FieldSink& sink);
  // The section ended: bytes after the last break form one more field
  // (the last of its line).
  void Finish(FieldSink& sink);

 private:
  void Hand(std::string_view bytes, bool lineEnd, FieldSink& sink);
  void Keep(std::string_view bytes);

  FieldRule rule_;
  std::size_t keep_;
  std::string partial_;         // the head of a field that a chunk boundary cut
  bool bPartial_ = false;       // bytes of an open field came in an earlier chunk
  bool bSkipLineEnd_ = false;   // the last byte ended a line: one CR or LF next is skipped
  bool bPendingCr_ = false;     // private lines: the last chunk ended with a CR
};

// The chunk size of table file reads (tests make it small, so that fields
// are cut by chunk boundaries); 0 restores the usual size.
inline constexpr std::size_t TABLE_FILE_CHUNK_BYTES = 1 << 20;
std::size_t TableFileChunkBytes();
void TableFileSetChunkBytes(std::size_t bytes);

// Read bytes [from, to) of a source chunk by chunk and hand each chunk to
// `take` (a callable given a std::string_view). False when reading failed.
template <typename Take>
bool ForEachChunk(const TextSource& source, std::int64_t from, std::int64_t to, Take&& take) {
  const std::size_t chunk = TableFileChunkBytes();
  std::string buffer(chunk, '\0');
  for (std::int64_t at = from; at < to;) {
    const std::size_t want = static_cast<std::size_t>(std::min<std::int64_t>(to - at, static_cast<std::int64_t>(chunk)));
    const char* bytes = nullptr;
    const std::int64_t got = source.Read(at, buffer.data(), want, &bytes);
    if (got < 0) return false;
    if (got == 0) break;  // the file became shorter
    take(std::string_view(bytes, static_cast<std::size_t>(got)));
    at += got;
  }
  return true;
}
