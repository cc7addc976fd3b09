#include "files/table_file_scan.h"

#include <algorithm>
#include <string>

#include "files/table_file_fields.h"
#include "files/text_bytes.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The offset after a UTF-8 byte-order mark at the start, or 0.
std::int64_t StartAfterMark(const TextSource& source, std::int64_t end) {
  char head[3];
  const char* bytes = nullptr;
  const std::int64_t got = source.Read(0, head, std::min<std::int64_t>(end, 3), &bytes);
  return got == 3 && std::string_view(bytes, 3) == kUtf8Mark ? 3 : 0;
}

}  // namespace

int ScanTableFile(const TextSource& source, std::int64_t limit, TableFileScan* scan) {
  *scan = TableFileScan{};
  scan->iEnd = std::min(source.Size(), limit);
  scan->iStart = StartAfterMark(source, scan->iEnd);
  TableFileKeyScan keys;
  Utf8Check utf8;
  TextCount cells;
  bool counting = true;
  // A piece must reach past a key and its value to be scanned whole.
  const std::size_t chunk = std::max(TableFileChunkBytes(), 4 * TABLE_FILE_KEY_LOOKAHEAD);
  std::string buffer(chunk, '\0');
  for (std::int64_t at = scan->iStart; at < scan->iEnd;) {
    const auto want = static_cast<std::size_t>(std::min<std::int64_t>(scan->iEnd - at, static_cast<std::int64_t>(chunk)));
    const char* bytes = nullptr;
    const std::int64_t got = source.Read(at, buffer.data(), want, &bytes);
    if (got < 0) return -1;
    if (got == 0) {  // the file became shorter
      scan->iEnd = at;
      break;
    }
    const std::string_view piece(bytes, static_cast<std::size_t>(got));
    const bool last = at + got >= scan->iEnd;
    std::size_t used = piece.size();
    if (keys.iFound < TABLE_FILE_KEYS) used = ScanTableFileKeys(keys, piece, static_cast<std::size_t>(at), last);
    if (used == 0) used = piece.size();  // a short read: go on rather than stand still
    Utf8CheckBytes(utf8, piece.data(), used);
    if (counting) {
      // The cell lines end where the first key stands.
      const std::size_t first = FirstKeyPosition(keys.keys, 0, TABLE_FILE_KEYS - 1);
      std::size_t cellBytes = used;
      if (first != std::string_view::npos && static_cast<std::int64_t>(first) < at + static_cast<std::int64_t>(used)) {
        cellBytes = static_cast<std::size_t>(static_cast<std::int64_t>(first) - at);
        counting = false;
      }
      CountTextBytes(cells, piece.data(), cellBytes, TextSyntax{});
    }
    at += static_cast<std::int64_t>(used);
  }
  CountTextEnd(cells);
  scan->keys = keys.keys;
  scan->bLegacy = !Utf8CheckDone(utf8);
  scan->iCellLines = cells.iLines;
  scan->iCellMaxFields = cells.iMaxFields;
  return 0;
}
