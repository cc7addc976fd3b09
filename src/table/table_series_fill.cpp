#include "table/table_series_fill.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/cursor.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "table/cell_store.h"
#include "table/cell_text.h"
#include "table/number_format.h"
#include "table/table_access.h"
#include "table/table_events.h"
#include "table/table_input_hooks.h"
#include "table/table_select.h"
#include "table/table_window.h"
#include "table/table_window_ops.h"

namespace {

bool HoldsNumber(const TableDocument& t, int row, int col) {
  const TableCell* cell = TableCellAt(t, row, col);
  if (!cell || cell->szText[0] == '\0') return false;
  return CellIsText(TextOf(cell->szText)) == 0;
}

double ValueOf(const TableDocument& t, int row, int col) {
  const TableCell* cell = TableCellAt(t, row, col);
  return cell ? TextToDouble(TextOf(cell->szText)) : 0.0;
}

// The plain decimal form with up to six places, trailing zeros dropped.
std::string PlainDecimal(double value) {
  std::string text = FormatFixed(value);
  if (text.find('.') == std::string::npos) return text;
  while (!text.empty() && text.back() == '0') text.pop_back();
  if (!text.empty() && text.back() == '.') text.pop_back();
  return text;
}

}  // namespace

std::string SeriesValueText(double value) {
  // The cell number text keeps seven significant digits above 100000, so
  // 10000001, 10000002 would go on as 10000000, 10000000; the plain form
  // is taken when it reads back closer.
  std::string text = FormatNumber(value);
  const double error = std::fabs(TextToDouble(text) - value);
  if (error == 0.0) return text;
  std::string plain = PlainDecimal(value);
  if (plain.size() < 20 && std::fabs(TextToDouble(plain) - value) < error) return plain;
  return text;
}

bool SeriesFillQualifies(const TableRecord& t) {
  if (t.iSelCurrent != 0 || t.selKind[0] != SELECT_BLOCK || t.bImageView || t.bSeriesFill) return false;
  const int r0 = std::min(t.selRowFrom[0], t.selRowTo[0]);
  const int r1 = std::max(t.selRowFrom[0], t.selRowTo[0]);
  const int c0 = std::min(t.selColFrom[0], t.selColTo[0]);
  const int c1 = std::max(t.selColFrom[0], t.selColTo[0]);
  if (r0 < 1 || c0 < 1) return false;
  const bool oneRow = r0 == r1;
  const bool oneCol = c0 == c1;
  if (oneRow == oneCol) return false;  // one cell, or a block
  if (t.bEditShown && t.iEditRow >= r0 && t.iEditRow <= r1 && t.iEditCol >= c0 && t.iEditCol <= c1) return false;
  return HoldsNumber(t, r0, c0) && HoldsNumber(t, r1, c1);
}

bool SeriesFillHit(WindowHandle hwnd, int x, int y) {
  TableLockGuard t(hwnd);
  if (!t || !SeriesFillQualifies(*t.get())) return false;
  t->fillRowFrom = std::min(t->selRowFrom[0], t->selRowTo[0]);
  t->fillRowTo = std::max(t->selRowFrom[0], t->selRowTo[0]);
  t->fillColFrom = std::min(t->selColFrom[0], t->selColTo[0]);
  t->fillColTo = std::max(t->selColFrom[0], t->selColTo[0]);
  int row = 0;
  int col = 0;
  CellRect rect{};
  if (!TableCellUnderPoint(*t.get(), x, y, &row, &col, &rect)) return false;
  return row == t->fillRowTo && col == t->fillColTo && InCornerHandle(rect, x, y);
}

void SeriesFillBegin(WindowHandle hwnd, int x, int y, unsigned keys) {
  SetCursorSlot(CURSOR_MOVE_RANGE);
  BeginSelection(hwnd, x, y, SELECT_BAR_CELLS, keys);
  if (TableLockGuard t(hwnd); t) t->bSeriesFill = 1;
}

void SeriesFillMove(WindowHandle hwnd, int x, int y) {
  bool moved = false;
  {
    TableLockGuard t(hwnd);
    if (!t || !t->bSeriesFill) return;
    const int i = std::clamp(t->iSelCurrent, 0, SELECTION_RANGES - 1);
    int row = t->fillRowTo;
    int col = t->fillColTo;
    if (t->fillColFrom == t->fillColTo) {
      row = TableRowAtY(*t.get(), y);
    } else {
      col = TableColAtX(*t.get(), x);
    }
    if (row > 0 && col > 0 && (row != t->selRowTo[i] || col != t->selColTo[i])) {
      t->selRowTo[i] = row;
      t->selColTo[i] = col;
      moved = true;
    }
  }
  if (moved) TableRepaint(hwnd);
}

void SeriesFillEnd(WindowHandle hwnd) {
  struct Cell {
    int row;
    int col;
  };
  std::vector<Cell> cells;  // in the order they are written
  int dRow = 0;
  int dCol = 0;
  double step = 0.0;
  {
    TableLockGuard t(hwnd);
    if (!t || !t->bSeriesFill) return;
    t->bSeriesFill = 0;
    t->bDragSelecting = 0;
    t->bAddingRange = 0;
    t->iAutoScrollDir = 0;
    const int lastRow = t->fillRowTo;
    const int lastCol = t->fillColTo;
    const int endRow = t->selRowTo[0];
    const int endCol = t->selColTo[0];
    if (t->iSelCurrent != 0 || (endRow == lastRow && endCol == lastCol)) {
      EndSelection(*t.get());
      return;
    }
    const bool down = t->fillColFrom == t->fillColTo;
    if (down ? endCol != lastCol : endRow != lastRow) {  // the end left the series' line
      EndSelection(*t.get());
      return;
    }
    const int d = down ? (endRow > lastRow ? 1 : -1) : (endCol > lastCol ? 1 : -1);
    dRow = down ? d : 0;
    dCol = down ? 0 : d;
    step = ValueOf(*t.get(), lastRow, lastCol) - ValueOf(*t.get(), lastRow - (down ? 1 : 0), lastCol - (down ? 0 : 1));
    const int startRow = lastRow + dRow;
    const int startCol = lastCol + dCol;
    for (int r = startRow, c = startCol;; r += dRow, c += dCol) {
      cells.push_back({r, c});
      if (r == endRow && c == endCol) break;
    }
    t->selRowFrom[0] = startRow;
    t->selColFrom[0] = startCol;
    EndSelection(*t.get());
    t->bModified = 1;
  }
  if (TableHooks().pfnUndoBackup) {
    const Cell& a = cells.front();
    const Cell& b = cells.back();
    TableHooks().pfnUndoBackup(hwnd, std::min(a.row, b.row), std::max(a.row, b.row), std::min(a.col, b.col),
                               std::max(a.col, b.col));
  }
  // Forward each value is the one before plus the step; backward the one
  // after minus the step. Values are read back from the cells as written.
  const int forward = dRow + dCol;
  for (const Cell& cell : cells) {
    double value = 0.0;
    {
      TableLockGuard t(hwnd);
      if (!t) return;
      value = ValueOf(*t.get(), cell.row - dRow, cell.col - dCol) + (forward > 0 ? step : -step);
    }
    if (TableHooks().pfnRemoveFormula) TableHooks().pfnRemoveFormula(hwnd, cell.row, cell.col);
    TableStoreCellText(hwnd, cell.row, cell.col, SeriesValueText(value));
  }
  for (const Cell& cell : cells) TableAnnounceCellStored(hwnd, cell.row, cell.col);
  TableRepaint(hwnd);
}
