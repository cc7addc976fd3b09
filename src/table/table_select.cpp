#include "table/table_select.h"

#include <algorithm>
#include <utility>

#include "platform/edit_control.h"
#include "platform/keys.h"
#include "platform/scrollbar.h"
#include "platform/timers.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_editor.h"
#include "table/table_input_hooks.h"
#include "table/table_range.h"
#include "table/table_scroll.h"
#include "table/table_window.h"

namespace {

// The visible lines, walked anew for each question (they are large: one
// entry per row of the tallest table).
ScreenLines& Rows(const TableRecord& t) {
  static ScreenLines rows;
  TableScreenRows(t, t.iClientHeight, &rows);
  return rows;
}

ScreenLines& Cols(const TableRecord& t) {
  static ScreenLines cols;
  TableScreenCols(t, t.iClientWidth, &cols);
  return cols;
}

int LineAt(const ScreenLines& lines, int pos, int limit) {
  if (pos < 0 || pos >= limit) return -1;
  const int i = ScreenLineAt(lines, pos);
  return i < 0 ? -1 : lines.lines[i].iIndex;
}

bool StartOf(const ScreenLines& lines, int index, int* start) {
  for (int i = 0; i < lines.iCount; ++i) {
    if (lines.lines[i].iIndex == index) {
      *start = lines.lines[i].iStart;
      return true;
    }
  }
  return false;
}

// Direction codes, clockwise from up.
constexpr std::pair<int, int> kSteps[9] = {{0, 0}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}};

int DirectionOf(int h, int v) {
  for (int dir = 1; dir <= 8; ++dir) {
    if (kSteps[dir].first == h && kSteps[dir].second == v) return dir;
  }
  return 0;
}

}  // namespace

TableZone TableZoneAt(const TableDocument& t, int x, int y) {
  const int headerWidth = t.colWidth[0];
  const int headerHeight = t.rowHeight[0];
  if (x < headerWidth && y < headerHeight) return ZONE_CORNER;
  if (y < headerHeight && x > headerWidth) return ZONE_COLUMN_HEADER;
  if (x < headerWidth && y > headerHeight) return ZONE_ROW_HEADER;
  return ZONE_CELLS;
}

int TableRowAtY(const TableRecord& t, int y) { return LineAt(Rows(t), y, t.iClientHeight); }

int TableColAtX(const TableRecord& t, int x) { return LineAt(Cols(t), x, t.iClientWidth); }

bool TableCellUnderPoint(const TableRecord& t, int x, int y, int* row, int* col, CellRect* rect) {
  if (x < 0 || y < 0 || x >= t.iClientWidth || y >= t.iClientHeight) return false;
  const ScreenLines& rows = Rows(t);
  const int r = ScreenLineAt(rows, y);
  if (r < 0) return false;
  const ScreenLine rowLine = rows.lines[r];
  const ScreenLines& cols = Cols(t);
  const int c = ScreenLineAt(cols, x);
  if (c < 0) return false;
  *row = rowLine.iIndex;
  *col = cols.lines[c].iIndex;
  *rect = {cols.lines[c].iStart, rowLine.iStart, cols.lines[c].iEnd, rowLine.iEnd};
  return true;
}

bool TableRowTopOf(const TableRecord& t, int row, int* top) { return StartOf(Rows(t), row, top); }

bool TableColLeftOf(const TableRecord& t, int col, int* left) { return StartOf(Cols(t), col, left); }

bool InCornerHandle(const CellRect& rect, int x, int y) {
  // A boundary belongs to the earlier cell, so the handle ends on it.
  return x > rect.right - 4 && x <= rect.right && y > rect.bottom - 4 && y <= rect.bottom;
}

WindowHandle TableEditorOf(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  return t ? t->hCellEdit : WindowHandle::None;
}

void FocusTable(WindowHandle hwnd) {
  const WindowHandle editor = TableEditorOf(hwnd);
  if (IsWindowAlive(editor)) SendMessageTo(editor, MSG_KILLFOCUS);
  FocusWindow(hwnd);
}

void HideEditor(WindowHandle editor) {
  if (!IsWindowAlive(editor)) return;
  MoveWindowTo(editor, 0, 0, 0, 0);
  ShowWindowOf(editor, false);
}

void RefreshTableStates(WindowHandle hwnd) {
  if (TableHooks().pfnRefreshStates) TableHooks().pfnRefreshStates(hwnd);
}

void BeginSelection(WindowHandle hwnd, int x, int y, char kind, unsigned keys) {
  int editRow = 0;
  int editCol = 0;
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    const bool ctrl = (keys & MK_CONTROL) != 0;
    const bool shift = (keys & MK_SHIFT) != 0;
    bool added = false;
    if (ctrl && !t->bAddingRange && t->iSelCurrent < SELECTION_RANGES - 1) {
      ++t->iSelCurrent;
      t->bAddingRange = 1;
      added = true;
    }
    if (!ctrl && !shift) ResetSelection(*t.get());
    const int i = std::clamp(t->iSelCurrent, 0, SELECTION_RANGES - 1);
    // Shift keeps the start of the current range, but a range without a
    // start (cleared, or new in this press) starts here: extending it
    // would reach into the header row and column.
    bool extend = shift && !added;
    if (kind == SELECT_BAR_COLUMNS) extend = extend && t->selColFrom[i] > 0;
    if (kind == SELECT_BAR_ROWS) extend = extend && t->selRowFrom[i] > 0;
    if (kind == SELECT_BAR_CELLS) extend = extend && t->selRowFrom[i] > 0 && t->selColFrom[i] > 0;

    t->bDragSelecting = 1;
    t->iSelectBar = kind;
    if (kind == SELECT_BAR_COLUMNS) {
      t->selKind[i] = SELECT_COLUMNS;
      t->selRowFrom[i] = 1;
      t->selRowTo[i] = t->iRows - 1;
      if (const int col = TableColAtX(*t.get(), x); col > 0) {
        t->selColTo[i] = col;
        if (!extend) t->selColFrom[i] = col;
      }
    } else if (kind == SELECT_BAR_ROWS) {
      t->selKind[i] = SELECT_ROWS;
      t->selColFrom[i] = 1;
      t->selColTo[i] = t->iCols - 1;
      if (const int row = TableRowAtY(*t.get(), y); row > 0) {
        t->selRowTo[i] = row;
        if (!extend) t->selRowFrom[i] = row;
      }
    } else {
      t->selKind[i] = SELECT_BLOCK;
      int row = 0;
      int col = 0;
      if (TableCellAtPoint(*t.get(), x, y, &row, &col)) {
        t->selRowTo[i] = row;
        t->selColTo[i] = col;
        if (!extend) {
          t->selRowFrom[i] = row;
          t->selColFrom[i] = col;
        }
      }
    }
    // What the open editor holds goes into its cell (even when the press
    // is on that very cell: hiding the editor must not drop the text).
    if (t->bEditShown && t->iEditRow > 0 && t->iEditCol > 0) {
      editRow = t->iEditRow;
      editCol = t->iEditCol;
    }
    t->iShownEditRow = t->selRowFrom[i];
    t->iShownEditCol = t->selColFrom[i];
    t->bEditShown = 0;
  }
  const WindowHandle editor = TableEditorOf(hwnd);
  if (editRow > 0) StoreEditorText(hwnd, editRow, editCol);
  HideEditor(editor);
  FocusTable(hwnd);
  TableRepaint(hwnd);
}

void ExtendSelection(WindowHandle hwnd, int x, int y, char kind) {
  bool changed = false;
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    const int i = std::clamp(t->iSelCurrent, 0, SELECTION_RANGES - 1);
    const auto set = [&changed](std::int32_t& field, int value) {
      if (field != value) {
        field = value;
        changed = true;
      }
    };
    if (kind == SELECT_BAR_COLUMNS) {
      set(t->selKind[i], SELECT_COLUMNS);
      set(t->selRowTo[i], t->iRows - 1);
      if (const int col = TableColAtX(*t.get(), x); col > 0) set(t->selColTo[i], col);
    } else if (kind == SELECT_BAR_ROWS) {
      set(t->selKind[i], SELECT_ROWS);
      set(t->selColTo[i], t->iCols - 1);
      if (const int row = TableRowAtY(*t.get(), y); row > 0) set(t->selRowTo[i], row);
    } else {
      set(t->selKind[i], SELECT_BLOCK);
      if (const int row = TableRowAtY(*t.get(), y); row > 0) set(t->selRowTo[i], row);
      if (const int col = TableColAtX(*t.get(), x); col > 0) set(t->selColTo[i], col);
    }
  }
  if (changed) TableRepaint(hwnd);
}

void EndSelection(TableRecord& t) {
  t.bDragSelecting = 0;
  t.bAddingRange = 0;
  t.iAutoScrollDir = 0;
  const int i = std::clamp(t.iSelCurrent, 0, SELECTION_RANGES - 1);
  if (t.selRowFrom[i] > t.selRowTo[i]) std::swap(t.selRowFrom[i], t.selRowTo[i]);
  if (t.selColFrom[i] > t.selColTo[i]) std::swap(t.selColFrom[i], t.selColTo[i]);
}

void MoveCursor(WindowHandle hwnd, char key) {
  enum { NONE, ROW_DOWN, TO_ROW, COL_RIGHT, TO_COL } scroll = NONE;
  int to = 0;
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    const int i = std::clamp(t->iSelCurrent, 0, SELECTION_RANGES - 1);
    int row = t->selRowFrom[i];
    int col = t->selColFrom[i];
    if (row == 0 || col == 0) return;
    switch (key) {
      case 'D':
        if (row < t->iRows - 1) ++row;
        if (row > TableLastFullRow(*t.get())) scroll = ROW_DOWN;
        break;
      case 'U':
        if (row > 1) --row;
        if (row < t->iTopRow) scroll = TO_ROW, to = row;
        break;
      case 'R':
        if (col < t->iCols - 1) ++col;
        if (col > TableLastFullCol(*t.get())) scroll = COL_RIGHT;
        break;
      case 'L':
        if (col > 1) --col;
        if (col < t->iLeftCol) scroll = TO_COL, to = col;
        break;
      case 'H':
        col = 1;
        scroll = TO_COL, to = 1;
        break;
      case 'E': {
        // Column iUsedCols is past the data unless it is the table's
        // edge; never look past the last column.
        col = 1;
        for (int c = std::min(t->iUsedCols, t->iCols - 1); c >= 2; --c) {
          const TableCell* cell = TableCellAt(*t.get(), row, c);
          if (cell && cell->szText[0] != '\0') {
            col = c;
            break;
          }
        }
        scroll = TO_COL, to = col;
        break;
      }
      default:
        return;
    }
    t->selRowFrom[i] = t->selRowTo[i] = row;
    t->selColFrom[i] = t->selColTo[i] = col;
    t->selKind[i] = SELECT_BLOCK;
  }
  switch (scroll) {
    case ROW_DOWN: ScrollRowDown(hwnd); break;
    case TO_ROW: ScrollToRow(hwnd, to); break;
    case COL_RIGHT: ScrollColRight(hwnd); break;
    case TO_COL: ScrollToCol(hwnd, to); break;
    case NONE: break;
  }
  TableRepaint(hwnd);
}

void SelectAll(WindowHandle hwnd) {
  EditorCommand(hwnd, EDITOR_COMMIT_CLOSE);
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    ResetSelection(*t.get());
    t->bEditShown = 0;
    // An empty table selects its first cell rather than rows 1..-1.
    t->selRowFrom[0] = 1;
    t->selRowTo[0] = std::max(std::min(t->iUsedRows, t->iRows) - 1, 1);
    t->selColFrom[0] = 1;
    t->selColTo[0] = std::max(std::min(t->iUsedCols, t->iCols) - 1, 1);
    t->selKind[0] = SELECT_BLOCK;
  }
  HideEditor(TableEditorOf(hwnd));
  FocusTable(hwnd);
  TableRepaint(hwnd);
}

void ClearSelection(WindowHandle hwnd) {
  EditorCommand(hwnd, EDITOR_COMMIT_CLOSE);
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    ResetSelection(*t.get());
    t->bEditShown = 0;
  }
  HideEditor(TableEditorOf(hwnd));
}

void GoToCell(WindowHandle hwnd, int row, int col) {
  EditorCommand(hwnd, EDITOR_COMMIT_CLOSE);
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    t->bEditShown = 0;
  }
  HideEditor(TableEditorOf(hwnd));
  // The scroll operations keep the origin inside the table.
  ScrollToRow(hwnd, row);
  ScrollToCol(hwnd, col);
  FocusTable(hwnd);
  TableRepaint(hwnd);
}

void PickHeader(WindowHandle hwnd, int x, int y, char bar) {
  TableLockGuard t(hwnd);
  if (!t) return;
  if (bar == SELECT_BAR_COLUMNS) {
    t->iPickedCol = TableColAtX(*t.get(), x);
  } else {
    t->iPickedRow = TableRowAtY(*t.get(), y);
  }
  t->cPickedBar = bar;
}

int PickBrowseCell(WindowHandle hwnd, int x, int y, int* changed) {
  *changed = 0;
  TableLockGuard t(hwnd);
  if (!t) return 0;
  int row = 0;
  int col = 0;
  if (!TableCellAtPoint(*t.get(), x, y, &row, &col)) return 0;
  *changed = row != t->iBrowseRow || col != t->iBrowseCol;
  t->iBrowseRow = row;
  t->iBrowseCol = col;
  return 1;
}

int AutoScrollDirection(const TableRecord& t, int x, int y) {
  int h = x >= t.iClientWidth ? 1 : x < t.colWidth[0] ? -1 : 0;
  int v = y >= t.iClientHeight ? 1 : y < t.rowHeight[0] ? -1 : 0;
  bool sideways = true;
  bool upDown = true;
  if (t.bSeriesFill) {
    sideways = t.fillRowFrom == t.fillRowTo;
    upDown = t.fillColFrom == t.fillColTo;
  } else if (t.iSelectBar == SELECT_BAR_COLUMNS) {
    upDown = false;
  } else if (t.iSelectBar == SELECT_BAR_ROWS) {
    sideways = false;
  }
  if (!sideways) h = 0;
  if (!upDown) v = 0;
  return DirectionOf(h, v);
}

void AutoScrollStep(WindowHandle hwnd) {
  int h = 0;
  int v = 0;
  {
    TableLockGuard t(hwnd);
    if (!t || t->iAutoScrollDir < 1 || t->iAutoScrollDir > 8) return;
    h = kSteps[t->iAutoScrollDir].first;
    v = kSteps[t->iAutoScrollDir].second;
    const int i = std::clamp(t->iSelCurrent, 0, SELECTION_RANGES - 1);
    if (v != 0) t->selRowTo[i] = std::clamp(t->selRowTo[i] + v, 1, std::max(t->iRows - 1, 1));
    if (h != 0) t->selColTo[i] = std::clamp(t->selColTo[i] + h, 1, std::max(t->iCols - 1, 1));
  }
  if (v != 0 && (v > 0 ? ScrollRowDown(hwnd) : ScrollRowUp(hwnd))) NotifyScroll(hwnd, SCROLLBAR_VERT);
  if (h != 0 && (h > 0 ? ScrollColRight(hwnd) : ScrollColLeft(hwnd))) NotifyScroll(hwnd, SCROLLBAR_HORZ);
  TableRepaint(hwnd);
  StartTimer(hwnd, TIMER_AUTO_SCROLL, 10);
}
