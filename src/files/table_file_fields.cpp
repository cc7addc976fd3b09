#include "files/table_file_fields.h"

#include <algorithm>

#include "files/text_bytes.h"

namespace {

std::size_t iChunkBytes = TABLE_FILE_CHUNK_BYTES;

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

std::size_t TableFileChunkBytes() { return iChunkBytes; }

void TableFileSetChunkBytes(std::size_t bytes) { iChunkBytes = bytes == 0 ? TABLE_FILE_CHUNK_BYTES : bytes; }

void FieldSplitter::Keep(std::string_view bytes) {
  if (partial_.size() < keep_) partial_.append(bytes.substr(0, keep_ - partial_.size()));
  bPartial_ = bPartial_ || !bytes.empty();
}

void FieldSplitter::Hand(std::string_view bytes, bool lineEnd, FieldSink& sink) {
  std::string_view field = bytes.substr(0, std::min(bytes.size(), keep_));
  if (bPartial_) {
    Keep(bytes);
    field = partial_;
  }
  if (lineEnd) {
    sink.LineEnd(field);
  } else {
    sink.Field(field);
  }
  partial_.clear();
  bPartial_ = false;
}

void FieldSplitter::Feed(std::string_view bytes, FieldSink& sink) {
  const std::size_t n = bytes.size();
  std::size_t i = 0;
  if (n == 0) return;
  if (bSkipLineEnd_) {
    bSkipLineEnd_ = false;
    if (IsLineEnd(bytes[0])) i = 1;
  }
  if (bPendingCr_) {
    bPendingCr_ = false;
    if (bytes[0] == '\n') {
      Hand({}, true, sink);
      i = 1;
    } else {
      Keep("\r");
    }
  }
  std::size_t start = i;
  while (i < n) {
    const std::size_t q = i + FindFieldEnd(bytes.data() + i, n - i, TextSyntax{});
    if (q >= n) break;
    const char c = bytes[q];
    if (c == '\t') {
      Hand(bytes.substr(start, q - start), false, sink);
      start = i = q + 1;
    } else if (rule_ == FIELDS_ANY_BREAK) {
      Hand(bytes.substr(start, q - start), false, sink);
      start = i = q + 1;
    } else if (rule_ == FIELDS_IN_LINES) {
      Hand(bytes.substr(start, q - start), true, sink);
      i = q + 1;
      if (i < n) {
        if (IsLineEnd(bytes[i])) ++i;
      } else {
        bSkipLineEnd_ = true;
      }
      start = i;
    } else if (c == '\r' && q + 1 < n && bytes[q + 1] == '\n') {
      Hand(bytes.substr(start, q - start), true, sink);
      start = i = q + 2;
    } else if (c == '\r' && q + 1 == n) {
      // Whether this CR ends the line depends on the next chunk.
      Keep(bytes.substr(start, q - start));
      bPendingCr_ = true;
      return;
    } else {
      i = q + 1;  // a lone CR or LF inside a private field
    }
  }
  Keep(bytes.substr(start));
}

void FieldSplitter::Finish(FieldSink& sink) {
  if (bPendingCr_) Keep("\r");
  bPendingCr_ = false;
  bSkipLineEnd_ = false;
  if (bPartial_) {
    Hand({}, rule_ != FIELDS_ANY_BREAK, sink);
  }
  partial_.clear();
  bPartial_ = false;
}
