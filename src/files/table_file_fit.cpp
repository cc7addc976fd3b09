#include "files/table_file_fit.h"

#include <algorithm>
#include <cstdint>

#include "table/table_access.h"
#include "table/table_init.h"

int FitTableToCellCount(WindowHandle hwnd, std::int64_t lines, std::int64_t maxFields) {
  // Rows and columns needed, each counting the header row or column.
  const std::int64_t needRows = lines + 1;
  const std::int64_t needCols = maxFields + 1;
  bool fits = true;
  {
    TableLockGuard t(hwnd);
    if (!t || (needRows <= t->iRows && needCols <= t->iCols)) return 0;
    std::int64_t rows = std::max<std::int64_t>(needRows, t->iRows);
    std::int64_t cols = std::max<std::int64_t>(needCols, t->iCols);
    // Too many cells: the dimension the file does not need gives way.
    if (rows * cols > TABLE_CELL_CAPACITY) {
      if (needCols <= t->iCols) cols = std::max<std::int64_t>(needCols, TABLE_CELL_CAPACITY / rows);
      if (needRows <= t->iRows) rows = std::max<std::int64_t>(needRows, TABLE_CELL_CAPACITY / cols);
    }
    rows = std::clamp<std::int64_t>(rows, TABLE_MIN_DIMENSION, TABLE_MAX_DIMENSION);
    cols = std::clamp<std::int64_t>(cols, TABLE_MIN_DIMENSION, TABLE_MAX_DIMENSION);
    // Still too many: the longer side is cut to what the cells allow.
    if (rows * cols > TABLE_CELL_CAPACITY) {
      if (rows >= cols) {
        rows = TABLE_CELL_CAPACITY / cols;
      } else {
        cols = TABLE_CELL_CAPACITY / rows;
      }
    }
    fits = rows >= needRows && cols >= needCols;
    if (SetImportTableSize(*t.get(), static_cast<int>(rows), static_cast<int>(cols)) != 0) return -1;
    RelabelHeaders(*t.get());
    // A file of the program itself may be saved again where it came from.
    t->bReadOnly = 0;
  }
  return fits ? 1 : -1;
}
