#include "files/table_file_keys.h"

#include <algorithm>
#include <cstring>

#include "formula/formula_registry.h"
#include "platform/number_text.h"

std::string_view TableFileKeyText(int key) {
  switch (key) {
    case KEY_PASSWORD: return "PASSWORD";
    case KEY_FORMULA: return FORMULA_LINE_KIND;
    case KEY_CELL_COLOR: return "OSTREL_CELL_COLOR";
    case KEY_CHAR_STYLE: return "OSTREL_CHAR_STYLE";
    case KEY_CELL_H: return "OSTREL_CELL_H";
    case KEY_CELL_W: return "OSTREL_CELL_W";
    case KEY_LEFT_TOP: return "OSTREL_LEFT_TOP";
    default: return {};
  }
}

namespace {

bool IsBase64Char(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '/' ||
         c == '=';
}

// The rest of a password line from `at`, just after the key: a TAB, the
// encoded password (whose lines each end with LF), then CR LF. A cell line
// whose first text is "PASSWORD" does not look like this, so such a cell
// never makes a file private. A password has at most 19 bytes, so its
// value is short: the look stops after 200 bytes.
bool IsPasswordValue(std::string_view buffer, std::size_t at) {
  if (at >= buffer.size() || buffer[at] != '\t') return false;
  const std::size_t limit = std::min(buffer.size(), at + 200);
  std::size_t i = at + 1;
  while (i < limit && (IsBase64Char(buffer[i]) || buffer[i] == '\n')) ++i;
  return i > at + 1 && buffer[i - 1] == '\n' && buffer.compare(i, 2, "\r\n") == 0;
}

// The key that opens the line at `start`, or -1.
int KeyOpeningLine(std::string_view buffer, std::size_t start) {
  for (int key = 0; key < TABLE_FILE_KEYS; ++key) {
    const std::string_view text = TableFileKeyText(key);
    if (buffer.compare(start, text.size(), text) != 0) continue;
    const std::size_t after = start + text.size();
    if (key == KEY_PASSWORD) return IsPasswordValue(buffer, after) ? key : -1;
    if (after == buffer.size() || buffer[after] == '\t' || buffer[after] == '\r' || buffer[after] == '\n') {
      return key;
    }
  }
  return -1;
}

// Where the next CR or LF at or after `from` lies, or npos; each search
// picks up where its last one ended, so a whole walk stays linear.
class LineEnds {
 public:
  // The first CR and LF are looked up at once: byte 0 is a line end only
  // when it is one.
  explicit LineEnds(std::string_view buffer) : buffer_(buffer), cr_(Find('\r', 0)), lf_(Find('\n', 0)) {}
  std::size_t Next(std::size_t from) {
    if (cr_ != std::string_view::npos && cr_ < from) cr_ = Find('\r', from);
    if (lf_ != std::string_view::npos && lf_ < from) lf_ = Find('\n', from);
    return std::min(cr_, lf_);
  }

 private:
  std::size_t Find(char c, std::size_t from) const {
    if (from >= buffer_.size()) return std::string_view::npos;
    const void* at = std::memchr(buffer_.data() + from, c, buffer_.size() - from);
    return at ? static_cast<std::size_t>(static_cast<const char*>(at) - buffer_.data()) : std::string_view::npos;
  }

  std::string_view buffer_;
  std::size_t cr_;
  std::size_t lf_;
};

}  // namespace

bool IsTableFileKey(std::string_view text) {
  for (int key = 0; key < TABLE_FILE_KEYS; ++key) {
    if (text == TableFileKeyText(key)) return true;
  }
  return false;
}

TableFileKeys FindTableFileKeys(std::string_view buffer) {
  TableFileKeyScan scan;
  ScanTableFileKeys(scan, buffer, 0, true);
  return scan.keys;
}

std::size_t ScanTableFileKeys(TableFileKeyScan& scan, std::string_view bytes, std::size_t base, bool last) {
  LineEnds ends(bytes);
  std::size_t start = 0;
  if (!scan.bLineStart) {
    const std::size_t end = ends.Next(0);
    if (end == std::string_view::npos) return bytes.size();
    start = end + 1;
  }
  scan.bLineStart = true;
  while (start < bytes.size() && scan.iFound < TABLE_FILE_KEYS) {
    if (!last && bytes.size() - start < TABLE_FILE_KEY_LOOKAHEAD) return start;
    const char c = bytes[start];
    if (c == 'P' || c == 'U' || c == 'O') {
      const int key = KeyOpeningLine(bytes, start);
      if (key >= 0 && !scan.keys.Has(key)) {
        scan.keys.pos[static_cast<std::size_t>(key)] = base + start;
        ++scan.iFound;
      }
    }
    const std::size_t end = ends.Next(start);
    if (end == std::string_view::npos) {
      scan.bLineStart = false;
      return bytes.size();
    }
    start = end + 1;
  }
  return bytes.size();
}

std::size_t FirstKeyPosition(const TableFileKeys& keys, int first, int last) {
  std::size_t pos = std::string_view::npos;
  for (int key = first; key <= last; ++key) {
    if (keys.Has(key)) pos = std::min(pos, keys.At(key));
  }
  return pos;
}

