#include "platform/text_buffer.h"

std::size_t TextCutLength(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) {
    return text.size();
  }
  std::size_t n = limit;
  // Step back over continuation bytes (10xxxxxx) so the cut keeps whole
  // characters; stop after at most three so non-UTF-8 bytes cut plainly.
  int steps = 0;
  while (n > 0 && steps < 3 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) {
    --n;
    ++steps;
  }
  if ((static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) {
    return limit;  // not UTF-8 after all: cut at the byte limit
  }
  return n;
}

std::size_t TextCopyTo(char* dst, std::size_t cap, std::string_view src) {
  if (cap == 0) {
    return 0;
  }
  const std::size_t n = TextCutLength(src, cap - 1);
  // An empty view may have no data at all, and memmove must not get null.
  if (n > 0) std::memmove(dst, src.data(), n);
  dst[n] = '\0';
  return n;
}

std::size_t TextAppendTo(char* dst, std::size_t cap, std::string_view src) {
  if (cap == 0) {
    return 0;
  }
  const std::size_t used = TextLength(dst, cap);
  if (used >= cap - 1) {
    dst[cap - 1] = '\0';
    return 0;
  }
  return TextCopyTo(dst + used, cap - used, src);
}
