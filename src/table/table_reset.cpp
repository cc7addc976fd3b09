#include "table/table_reset.h"

#include <algorithm>

#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_select.h"
#include "table/table_window.h"

namespace {

constexpr int HEADER_COLUMN_WIDTH = 40;
constexpr int DATA_COLUMN_WIDTH = 80;
constexpr int ROW_HEIGHT = 18;

// Reset a table window and show the result.
int ResetAndShow(WindowHandle hwnd, bool view) {
  {
    TableLockGuard t(hwnd);
    if (!t) return 0;
    ResetColours(*t.get(), view);
  }
  TableRepaint(hwnd);
  RefreshTableStates(hwnd);
  return 0;
}

}  // namespace

void ResetColours(TableRecord& t, bool view) {
  const int rows = std::min(t.iUsedRows, t.iRows);
  const int cols = std::min(t.iUsedCols, t.iCols);
  for (int row = 1; row < rows; ++row) {
    for (int col = 1; col < cols; ++col) {
      if (TableCell* cell = TableCellAt(t, row, col)) {
        SetCellTextColour(*cell, DEFAULT_TEXT_HUE, DEFAULT_TEXT_LUM, DEFAULT_TEXT_SAT);
      }
    }
  }
  t.iColourState = COLOUR_STATE_NORMAL;
  if (view) {
    t.colWidth.fill(DATA_COLUMN_WIDTH);
    t.colWidth[0] = HEADER_COLUMN_WIDTH;
    t.rowHeight.fill(ROW_HEIGHT);
    t.iDefaultColWidth = DATA_COLUMN_WIDTH;
    t.bImageView = 0;
    // Widths and heights are saved with the table; colours are not.
    t.bModified = 1;
  }
}

int CmdResetColour(WindowHandle hwnd, unsigned, std::intptr_t) { return ResetAndShow(hwnd, false); }

int CmdResetView(WindowHandle hwnd, unsigned, std::intptr_t) { return ResetAndShow(hwnd, true); }
