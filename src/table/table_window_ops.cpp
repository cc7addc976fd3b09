#include "table/table_window_ops.h"

#include "table/cell_store.h"
#include "table/long_text.h"
#include "table/report_table.h"
#include "table/sort_precondition.h"
#include "table/table_access.h"
#include "table/table_events.h"
#include "table/table_goto.h"
#include "table/table_init.h"
#include "table/table_scroll.h"
#include "table/table_select.h"

// Store a cell's text without recalculation.
int TableStoreCellText(WindowHandle hwnd, int row, int col, std::string_view text) {
  TableLockGuard t(hwnd);
  return t ? TableStoreCellText(*t.get(), row, col, text) : -1;
}

// The text a cell shows.
std::string TableCellDisplayText(WindowHandle hwnd, int row, int col) {
  TableLockGuard t(hwnd);
  return t ? TableCellDisplayText(*t.get(), row, col) : std::string();
}

// Replace a long-text reference by its pool text.
int LongTextResolve(WindowHandle hwnd, std::string& text) {
  TableLockGuard t(hwnd);
  return t ? LongTextResolve(*t.get(), text) : -1;
}

// Empty the slot a long-text reference names.
int LongTextRelease(WindowHandle hwnd, std::string_view text) {
  TableLockGuard t(hwnd);
  return t ? LongTextRelease(*t.get(), text) : -1;
}

// Store a cell's text, then let the formulas that read it recalculate.
int TableSetCellText(WindowHandle hwnd, int row, int col, std::string_view text) {
  if (TableStoreCellText(hwnd, row, col, text) != 0) return -1;
  TableAnnounceCellStored(hwnd, row, col);
  return 0;
}

// Write the header labels for the current size and empty the data cells.
int RelabelHeaders(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  if (!t) return -1;
  RelabelHeaders(*t.get());
  return 0;
}

// Give the table a new size, marked resized.
int SetImportTableSize(WindowHandle hwnd, int rows, int cols) {
  TableLockGuard t(hwnd);
  return t ? SetImportTableSize(*t.get(), rows, cols) : -1;
}

// Size a report table like its source, then its scroll ranges.
void FitReportTable(WindowHandle source, WindowHandle report) {
  {
    TableLockGuard s(source);
    TableLockGuard r(report);
    if (!s || !r) return;
    FitReportTable(*s.get(), *r.get());
  }
  TableSetScrollRanges(report);
}

// Range `index` of a set, normalised.
int TableGetRange(WindowHandle hwnd, int index, int set, TableRange* range) {
  TableLockGuard t(hwnd);
  return t ? TableGetRange(*t.get(), index, set, range) : -1;
}

// Clear every selection range.
void ResetSelection(WindowHandle hwnd) {
  if (TableLockGuard t(hwnd); t) ResetSelection(*t.get());
}

// Select cell (1,1) alone.
void SelectFirstCell(WindowHandle hwnd) {
  if (TableLockGuard t(hwnd); t) SelectFirstCell(*t.get());
}

// Put the current range in order when the button is released.
void EndSelection(WindowHandle hwnd) {
  if (TableLockGuard t(hwnd); t) EndSelection(*t.get());
}

// Recompute the largest and smallest value over the used area.
void RescanExtremes(WindowHandle hwnd) {
  if (TableLockGuard t(hwnd); t) RescanExtremes(*t.get());
}

// 1 when the right-clicked range can be sorted.
int CanSortData(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  return t ? CanSortData(*t.get()) : 0;
}

// The cell a "Go to ..." text names.
int GoToTarget(WindowHandle hwnd, int* row, int* col) {
  TableLockGuard t(hwnd);
  if (!t) {
    *row = 1;
    *col = 1;
    return -1;
  }
  return GoToTarget(*t.get(), row, col);
}
