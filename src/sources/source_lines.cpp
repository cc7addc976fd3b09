#include "sources/source_lines.h"

#include <charconv>
#include <cstring>
#include <memory>
#include <new>
#include <system_error>

#include "files/text_source.h"
#include "table/cell_text.h"

std::size_t CutAtLastLineEnd(const char* bytes, std::size_t n, bool lastChunk) {
  if (lastChunk) return n;
  for (std::size_t i = n; i > 0; --i) {
    if (bytes[i - 1] == '\n' || bytes[i - 1] == '\r') return i;
  }
  return n;
}

bool SplitLines(const char* bytes, std::size_t n, LineSink& sink) {
  // The next LF and the next CR are searched once each and kept until the
  // walk passes them, so a file of CR line ends is not searched for LF on
  // every line.
  const char* const end = bytes + n;
  const char* nextLf = nullptr;
  const char* nextCr = nullptr;
  const char* p = bytes;
  while (p < end) {
    if (!nextLf || nextLf < p) {
      nextLf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
      if (!nextLf) nextLf = end;
    }
    if (!nextCr || nextCr < p) {
      nextCr = static_cast<const char*>(std::memchr(p, '\r', static_cast<std::size_t>(end - p)));
      if (!nextCr) nextCr = end;
    }
    const char* lineEnd = nextLf < nextCr ? nextLf : nextCr;
    if (lineEnd > p && !sink.Line(std::string_view(p, static_cast<std::size_t>(lineEnd - p)))) return false;
    p = lineEnd + 1;
  }
  return true;
}

int ReadSourceLines(const TextSource& source, std::int64_t start, std::size_t chunkBytes, LineSink& sink) {
  const std::size_t chunk = chunkBytes == 0 ? SOURCE_CHUNK_BYTES : chunkBytes;
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[chunk]);
  if (!buffer) return -1;
  std::int64_t offset = start;
  while (offset < source.Size()) {
    const char* bytes = nullptr;
    const std::int64_t got = source.Read(offset, buffer.get(), chunk, &bytes);
    if (got < 0) return -1;
    if (got == 0) break;
    const std::size_t n = static_cast<std::size_t>(got);
    const std::size_t cut = CutAtLastLineEnd(bytes, n, offset + got >= source.Size());
    if (!SplitLines(bytes, cut, sink)) break;
    offset += static_cast<std::int64_t>(cut);
  }
  return 0;
}

std::string_view NextField(std::string_view line, std::size_t pos, const TextSyntax& syntax, std::size_t* next) {
  const char delimiter = syntax.cDelimiter != 0 ? syntax.cDelimiter : '\t';
  if (syntax.bMerge && delimiter != 0 && delimiter != '\t') {
    // A delimiter right after the line's start, a TAB or a delimiter is ignored.
    while (pos < line.size() && line[pos] == delimiter) ++pos;
  }
  std::size_t end = pos;
  while (end < line.size() && line[end] != '\t' && line[end] != delimiter) ++end;
  *next = end < line.size() ? end + 1 : std::string_view::npos;
  return line.substr(pos, end - pos);
}

std::string_view NormalizeField(std::string_view raw, std::string& scratch) {
  // Most fields need no cleaning: no blank at either end, no leading point.
  if (raw.empty() || (raw.front() != ' ' && raw.front() != '.' && raw.back() != ' ')) return raw;
  scratch.assign(raw);
  NormalizeCellInput(scratch, 0);
  return scratch;
}

namespace {

// The value of a short unsigned decimal such as "100" or "12.375" (at most
// 15 digits, at least one, no exponent): its digits as a whole number over
// a power of ten. Both are exact doubles and division rounds correctly, so
// this is the value the full conversion gives. False for any other text.
bool ReadShortDecimal(std::string_view text, double* value) {
  static constexpr double kPowers[] = {1.0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9,
                                       1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  if (text.empty() || text.size() > 16) return false;
  std::int64_t digits = 0;
  int count = 0;
  int places = -1;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      digits = digits * 10 + (c - '0');
      ++count;
      if (places >= 0) ++places;
    } else if (c == '.' && places < 0) {
      places = 0;
    } else {
      return false;
    }
  }
  if (count == 0 || count > 15) return false;
  *value = static_cast<double>(digits) / kPowers[places < 0 ? 0 : places];
  return true;
}

}  // namespace

bool ReadWholeNumber(std::string_view text, double* value) {
  std::size_t i = 0;
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    i = 1;
  }
  if (i >= text.size() || !((text[i] >= '0' && text[i] <= '9') || text[i] == '.')) return false;
  if (ReadShortDecimal(text.substr(i), value)) {
    if (negative) *value = -*value;
    return true;
  }
  double v = 0.0;
  const char* last = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data() + i, last, v, std::chars_format::general);
  if (ec != std::errc() || ptr != last) return false;
  *value = negative ? -v : v;
  return true;
}
