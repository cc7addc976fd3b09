// The line keys of table files and where they stand in a file's bytes.
//
// A table file is the cell lines, then optional sections, each opened by
// its key as the first field of a line, in this order: the password line,
// formula lines, cell colour lines, display-style lines, and the row-height,
// column-width and scroll-origin lines.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "table/cell_reference.h"  // CellReference

enum TableFileKey : int {
  KEY_PASSWORD,
  KEY_FORMULA,
  KEY_CELL_COLOR,
  KEY_CHAR_STYLE,
  KEY_CELL_H,
  KEY_CELL_W,
  KEY_LEFT_TOP,
  TABLE_FILE_KEYS,
};

// The bytes of a key ("PASSWORD", "User(+,-,x,/)", "OSTREL_CELL_COLOR", ...).
std::string_view TableFileKeyText(int key);

// Whether a text is exactly one of the keys.
bool IsTableFileKey(std::string_view text);

// A field of a table file keeps at most this many bytes.
inline constexpr std::size_t TABLE_FILE_FIELD_BYTES = 999;

// Where each key first opens a line of the buffer (npos when it never
// does). A key counts only at the start of a line and followed by a TAB,
// a line end or the end of the buffer (the password key followed by its
// encoded value and CR LF), so a cell text that merely contains a key's
// letters does not cut the cell lines.
struct TableFileKeys {
  std::array<std::size_t, TABLE_FILE_KEYS> pos;
  bool Has(int key) const { return pos[static_cast<std::size_t>(key)] != std::string_view::npos; }
  std::size_t At(int key) const { return pos[static_cast<std::size_t>(key)]; }
};
TableFileKeys FindTableFileKeys(std::string_view buffer);

// The same over a file read in pieces. A key and what must follow it fit
// in this many bytes.
inline constexpr std::size_t TABLE_FILE_KEY_LOOKAHEAD = 256;
struct TableFileKeyScan {
  TableFileKeys keys{};
  bool bLineStart = true;  // the next piece starts a line
  int iFound = 0;
  TableFileKeyScan() { keys.pos.fill(std::string_view::npos); }
};
// Look for keys at the line starts of `bytes`, which begin at offset
// `base` of the file. Unless `last`, a line start less than
// TABLE_FILE_KEY_LOOKAHEAD bytes before the end is left for the next
// piece: returns how many bytes were scanned (the next piece starts there).
std::size_t ScanTableFileKeys(TableFileKeyScan& scan, std::string_view bytes, std::size_t base, bool last);

// The first position among keys first..last that are present, or npos.
std::size_t FirstKeyPosition(const TableFileKeys& keys, int first, int last);

