// What the MODAS and stock fuzz targets share: small tables reset between
// runs, and the test that a read in small chunks stored what a read in one
// chunk did.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/text_buffer.h"
#include "table/cell_store.h"
#include "table/long_text.h"
#include "table/table_access.h"
#include "table/table_init.h"
#include "table/table_window_ops.h"

inline constexpr int kFuzzRows = 51;  // a small table keeps every run cheap
inline constexpr int kFuzzCols = 51;

inline void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// A table record opened in `mode`, kept for the whole fuzzing run.
inline TableRecord* NewFuzzTable(int mode) {
  TableRecord* t = TableAllocRecord();
  if (t) TableInitRecord(*t, mode, "fuzz.txt", "");
  return t;
}

// Back to an empty small table.
inline void ResetFuzzTable(TableRecord& t) {
  t.iRows = kFuzzRows;
  t.iCols = kFuzzCols;
  for (int i = 0; i < kFuzzRows * kFuzzCols; ++i) ClearText(t.cells[static_cast<std::size_t>(i)].szText);
  LongTextClearAll(t);
  t.iUsedRows = t.iUsedCols = 0;
}

// The length of the longest line of a text (a chunk shorter than a line
// splits it, so two reads agree only on texts of shorter lines).
inline std::size_t LongestLine(std::string_view text) {
  std::size_t longest = 0;
  std::size_t run = 0;
  for (const char c : text) {
    run = c == '\r' || c == '\n' ? 0 : run + 1;
    if (run > longest) longest = run;
  }
  return longest;
}

// Trap unless two tables show the same texts.
inline void CheckSameCells(const TableRecord& a, const TableRecord& b) {
  for (int row = 0; row < kFuzzRows; ++row) {
    for (int col = 0; col < kFuzzCols; ++col) Check(TableCellDisplayText(a, row, col) == TableCellDisplayText(b, row, col));
  }
}
