#include "table/table_input.h"

#include <algorithm>

#include "platform/cursor.h"
#include "platform/edit_control.h"
#include "platform/keys.h"
#include "platform/scrollbar.h"
#include "platform/timers.h"
#include "resources/command_ids.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_active.h"
#include "table/table_editor.h"
#include "table/table_geometry.h"
#include "table/table_header_resize.h"
#include "table/table_input_hooks.h"
#include "table/table_scroll.h"
#include "table/table_select.h"
#include "table/table_series_fill.h"
#include "table/table_window.h"
#include "table/table_window_ops.h"

namespace {

inline constexpr unsigned ACTIVE_TIMER_MS = 100;
inline constexpr unsigned KEY_CLEAR = 12;

int EstimatedTextWidth(const char*, int length) { return length * 7; }

TextWidthFn pfnTextWidth = EstimatedTextWidth;

// -- becoming active -----------------------------------------------------------

void OnActivate(WindowHandle hwnd) {
  TableSetActive(hwnd);
  StartTimer(hwnd, TIMER_TABLE_ACTIVE, ACTIVE_TIMER_MS);
  // The click that made the table active is not a click into the grid.
  if (TableLockGuard t(hwnd); t) t->bActivating = 1;
}

void OnActiveTimer(WindowHandle hwnd) {
  StopTimer(hwnd, TIMER_TABLE_ACTIVE);
  TableSetActive(hwnd);
  if (TableLockGuard t(hwnd); t) t->bActivating = 0;
  RefreshTableStates(hwnd);
}

// Presses (and their releases and double clicks) count only in the active
// table, and not the one that activates it.
bool PressIgnored(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  if (!t) return true;
  if (TableActive() != hwnd || t->bActivating) {
    t->bActivating = 0;
    t->bClickIgnored = 1;
    return true;
  }
  t->bClickIgnored = 0;
  return false;
}

bool ReleaseIgnored(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  return !t || TableActive() != hwnd || t->bClickIgnored;
}

void StopAutoScroll(WindowHandle hwnd) {
  if (TimerIsActive(hwnd, TIMER_AUTO_SCROLL)) StopTimer(hwnd, TIMER_AUTO_SCROLL);
  if (TableLockGuard t(hwnd); t) t->iAutoScrollDir = 0;
}

bool HasLinkedWindow(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  return t && (IsWindowAlive(t->hChartWindow) || IsWindowAlive(t->hPlot3DWindow) || IsWindowAlive(t->hTrendWindow));
}

TableZone ZoneOf(WindowHandle hwnd, int x, int y) {
  TableLockGuard t(hwnd);
  return t ? TableZoneAt(*t.get(), x, y) : ZONE_CELLS;
}

// -- left button -------------------------------------------------------------

void OnLeftDown(WindowHandle hwnd, unsigned keys, int x, int y) {
  if (PressIgnored(hwnd)) return;
  if (SeriesFillHit(hwnd, x, y)) {
    SeriesFillBegin(hwnd, x, y, keys);
    return;
  }
  int row = 0;
  int col = 0;
  bool aligned = false;
  if (FormulaHandleAt(hwnd, x, y, &row, &col, &aligned)) {
    BeginSelection(hwnd, x, y, SELECT_BAR_CELLS, keys);
    if (TableHooks().pfnFormulaHandlePress) TableHooks().pfnFormulaHandlePress(hwnd, row, col);
    return;
  }
  switch (ZoneOf(hwnd, x, y)) {
    case ZONE_CORNER:
      EditorCommand(hwnd, EDITOR_RESET_CLOSE);
      return;
    case ZONE_COLUMN_HEADER: {
      int border = -1;
      if (TableLockGuard t(hwnd); t) border = ColBorderAt(*t.get(), x);
      if (border >= 0) {
        BeginColResize(hwnd, x);
        SetCursorSlot(CURSOR_COL_BORDER);
      } else {
        BeginSelection(hwnd, x, y, SELECT_BAR_COLUMNS, keys);
      }
      return;
    }
    case ZONE_ROW_HEADER: {
      int border = -1;
      if (TableLockGuard t(hwnd); t) border = RowBorderAt(*t.get(), y);
      if (border >= 0) {
        BeginRowResize(hwnd, y);
        SetCursorSlot(CURSOR_ROW_BORDER);
      } else {
        BeginSelection(hwnd, x, y, SELECT_BAR_ROWS, keys);
      }
      return;
    }
    case ZONE_CELLS:
      BeginSelection(hwnd, x, y, SELECT_BAR_CELLS, keys);
      return;
  }
}

void OnLeftUp(WindowHandle hwnd, int x, int y) {
  StopAutoScroll(hwnd);
  if (ReleaseIgnored(hwnd)) return;
  bool filling = false;
  if (TableLockGuard t(hwnd); t) filling = t->bSeriesFill != 0;
  if (filling) {
    SeriesFillEnd(hwnd);
  } else {
    if (TableHooks().pfnFormulaRelease) TableHooks().pfnFormulaRelease(hwnd);
    EndRowResize(hwnd, y);
    EndColResize(hwnd, x);
    EndSelection(hwnd);
  }
  RefreshTableStates(hwnd);
}

void OnLeftDoubleClick(WindowHandle hwnd, int x, int y) {
  {
    TableLockGuard t(hwnd);
    if (!t || TableActive() != hwnd || t->bClickIgnored || t->bActivating) return;
  }
  const TableZone zone = ZoneOf(hwnd, x, y);
  if (zone == ZONE_COLUMN_HEADER) {
    AutoFitColumn(hwnd, x, y, pfnTextWidth);
    return;
  }
  if (zone == ZONE_ROW_HEADER) return;
  int row = 0;
  int col = 0;
  bool inSampledBlock = false;
  if (TableLockGuard t(hwnd); t && TableCellAtPoint(*t.get(), x, y, &row, &col) && TableHooks().pfnInSampledBlock) {
    inSampledBlock = TableHooks().pfnInSampledBlock(*t.get(), row, col) != 0;
  }
  if (inSampledBlock) return;
  EditorCommand(hwnd, EDITOR_OPEN);
}

// -- right button ------------------------------------------------------------

// Whether a table shows colours a browse panel explains: coloured by the
// trend analysis, or the colour map of such a table.
bool ShowsTrendColours(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  return t && (t->iColourState == COLOUR_STATE_TREND || t->bLinked != 0);
}

// The right button went down or up: a coloured table shows or hides its
// browse panel.
void SetRightBrowsing(WindowHandle hwnd, bool down) {
  if (TableLockGuard t(hwnd); t) t->bRightBrowsing = down ? 1 : 0;
  if (ShowsTrendColours(hwnd)) TableRepaint(hwnd);
}

void OnRightDown(WindowHandle hwnd, int x, int y) {
  if (PressIgnored(hwnd)) return;
  EditorCommand(hwnd, EDITOR_COMMIT_CLOSE);
  int changed = 0;
  PickBrowseCell(hwnd, x, y, &changed);  // the right-clicked cell
  if (HasLinkedWindow(hwnd)) SetCursorSlot(CURSOR_BROWSE);
  SetRightBrowsing(hwnd, true);
}

// Whether a column (row) lies in one of the selected whole-column (row) ranges.
bool InSelectedLines(WindowHandle hwnd, char bar) {
  TableLockGuard t(hwnd);
  if (!t) return false;
  const bool columns = bar == SELECT_BAR_COLUMNS;
  const int picked = columns ? t->iPickedCol : t->iPickedRow;
  for (int i = 0; i <= std::min(t->iSelCurrent, SELECTION_RANGES - 1); ++i) {
    if (t->selKind[i] != (columns ? SELECT_COLUMNS : SELECT_ROWS)) continue;
    const int from = columns ? t->selColFrom[i] : t->selRowFrom[i];
    const int to = columns ? t->selColTo[i] : t->selRowTo[i];
    if (picked >= std::min(from, to) && picked <= std::max(from, to)) return true;
  }
  return false;
}

void OnRightUp(WindowHandle hwnd, unsigned keys, int x, int y) {
  if (ReleaseIgnored(hwnd)) return;
  SetRightBrowsing(hwnd, false);
  if (CurrentCursorSlot() == CURSOR_BROWSE) SetCursorSlot(CURSOR_ARROW);
  const TableInputHooks& hooks = TableHooks();
  if (hooks.pfnCoordinatePick && hooks.pfnCoordinatePick(hwnd, x, y)) return;
  const TableZone zone = ZoneOf(hwnd, x, y);
  if (zone == ZONE_COLUMN_HEADER || zone == ZONE_ROW_HEADER) {
    const char bar = zone == ZONE_COLUMN_HEADER ? SELECT_BAR_COLUMNS : SELECT_BAR_ROWS;
    PickHeader(hwnd, x, y, bar);
    if (!InSelectedLines(hwnd, bar)) {
      BeginSelection(hwnd, x, y, bar, keys);
      EndSelection(hwnd);  // no left release follows to end it
    }
    EditorCommand(hwnd, EDITOR_COMMIT_CLOSE);
    if (hooks.pfnRowColMenu) hooks.pfnRowColMenu(hwnd, x, y, bar);
    return;
  }
  int row = 0;
  int col = 0;
  bool aligned = false;
  if (FormulaHandleAt(hwnd, x, y, &row, &col, &aligned)) {
    if (hooks.pfnFormulaMenu) hooks.pfnFormulaMenu(hwnd, x, y, row, col);
    return;
  }
  if (hooks.pfnImageCrosshairOff) hooks.pfnImageCrosshairOff(hwnd);
  bool onCell = false;
  if (TableLockGuard t(hwnd); t) onCell = TableCellAtPoint(*t.get(), x, y, &row, &col);
  if (onCell && hooks.pfnCellMenu) hooks.pfnCellMenu(hwnd, x, y);
}

// Right-button browsing: the cell under the pointer becomes the browse
// cell and the linked windows follow it.
void Browse(WindowHandle hwnd, int x, int y) {
  int changed = 0;
  if (!PickBrowseCell(hwnd, x, y, &changed) || !changed) return;
  WindowHandle chart = WindowHandle::None;
  if (TableLockGuard t(hwnd); t) chart = t->hChartWindow;
  if (IsWindowAlive(chart)) PostCommand(chart, CMD_CHART_TRACK_CELL, static_cast<std::intptr_t>(hwnd));
  if (TableHooks().pfnBrowseFollow) TableHooks().pfnBrowseFollow(hwnd);
  if (ShowsTrendColours(hwnd)) TableRepaint(hwnd);  // the browse panel follows
  if (!IsWindowAlive(chart)) {
    TableLockGuard t(hwnd);
    if (t) {
      t->iLastBrowseRow = t->iBrowseRow;
      t->iLastBrowseCol = t->iBrowseCol;
    }
  }
}

// -- moving ------------------------------------------------------------------

int PointerSlot(WindowHandle hwnd, unsigned keys, int x, int y) {
  bool fillHandle = false;
  bool dragging = false;
  {
    TableLockGuard t(hwnd);
    if (!t) return CURSOR_ARROW;
    if (t->iRowResize >= 0) return CURSOR_ROW_BORDER;
    if (t->iColResize >= 0) return CURSOR_COL_BORDER;
    const TableZone zone = TableZoneAt(*t.get(), x, y);
    if (zone == ZONE_ROW_HEADER && RowBorderAt(*t.get(), y) >= 0) return CURSOR_ROW_BORDER;
    if (zone == ZONE_COLUMN_HEADER && !t->bDragSelecting && ColBorderAt(*t.get(), x) >= 0) return CURSOR_COL_BORDER;
    if (t->bSeriesFill) return CURSOR_MOVE_RANGE;
    dragging = (keys & MK_LBUTTON) && t->bDragSelecting && zone == ZONE_CELLS;
    fillHandle = !dragging && SeriesFillQualifies(*t.get());
  }
  if (fillHandle && SeriesFillHit(hwnd, x, y)) return CURSOR_MOVE_RANGE;
  int row = 0;
  int col = 0;
  bool aligned = false;
  if (!dragging && FormulaHandleAt(hwnd, x, y, &row, &col, &aligned)) {
    return aligned ? CURSOR_FORMULA_ALIGNED : CURSOR_FORMULA_HANDLE;
  }
  const int wanted = TableHooks().pfnPointerSlot ? TableHooks().pfnPointerSlot(hwnd) : -1;
  if (wanted >= 0) return wanted;
  return dragging ? CURSOR_SELECT : CURSOR_ARROW;
}

void OnMouseMove(WindowHandle hwnd, unsigned keys, int x, int y) {
  StopAutoScroll(hwnd);
  if (keys & MK_LBUTTON) {
    bool filling = false;
    bool selecting = false;
    int direction = 0;
    {
      TableLockGuard t(hwnd);
      if (!t) return;
      const bool resizing = t->iRowResize >= 0 || t->iColResize >= 0;
      filling = !resizing && t->bSeriesFill;
      selecting = !resizing && !filling && t->bDragSelecting;
      if (filling || selecting) direction = AutoScrollDirection(*t.get(), x, y);
      t->iAutoScrollDir = direction;
    }
    if (direction != 0) {
      AutoScrollStep(hwnd);
    } else if (filling) {
      SeriesFillMove(hwnd, x, y);
    } else if (selecting) {
      char kind = SELECT_BAR_CELLS;
      if (TableLockGuard t(hwnd); t) kind = static_cast<char>(t->iSelectBar);
      ExtendSelection(hwnd, x, y, kind);
    }
  } else if (keys & MK_RBUTTON) {
    Browse(hwnd, x, y);
    return;  // the browsing pointer stays
  }
  const int slot = PointerSlot(hwnd, keys, x, y);
  const int current = CurrentCursorSlot();
  if (current != slot && current != CURSOR_WAIT) SetCursorSlot(slot);
}

void OnAutoScrollTimer(WindowHandle hwnd) {
  bool going = false;
  if (TableLockGuard t(hwnd); t) going = (t->bDragSelecting || t->bSeriesFill) && t->iAutoScrollDir != 0;
  if (going) {
    AutoScrollStep(hwnd);
  } else {
    StopAutoScroll(hwnd);
  }
}

// -- keyboard ----------------------------------------------------------------

void PageScroll(WindowHandle hwnd, bool down) {
  EditorCommand(hwnd, EDITOR_COMMIT_CLOSE);
  if (down ? ScrollPageDown(hwnd) : ScrollPageUp(hwnd)) NotifyScroll(hwnd, SCROLLBAR_VERT);
  TableRepaint(hwnd);
}

void OnKeyDown(WindowHandle hwnd, unsigned key, unsigned keys) {
  const bool ctrl = (keys & MK_CONTROL) != 0;
  if (ctrl) {
    // 99, 118 and 120 are the lower-case letters' codes; as keys they are
    // numeric-keypad 3, F7 and F9, which therefore copy, paste and cut too.
    switch (key) {
      case 'C':
      case 99:
        SendCommand(hwnd, CMD_COPY);
        return;
      case 'V':
      case 118:
        SendCommand(hwnd, CMD_PASTE);
        return;
      case 'X':
      case 120:
        SendCommand(hwnd, CMD_CUT);
        return;
      default:
        break;
    }
  }
  switch (key) {
    case KEY_LEFT:
    case KEY_BACK: MoveCursor(hwnd, 'L'); return;
    case KEY_RIGHT:
    case KEY_TAB: MoveCursor(hwnd, 'R'); return;
    case KEY_DOWN:
    case KEY_RETURN: MoveCursor(hwnd, 'D'); return;
    case KEY_UP: MoveCursor(hwnd, 'U'); return;
    case KEY_HOME: MoveCursor(hwnd, 'H'); return;
    case KEY_END: MoveCursor(hwnd, 'E'); return;
    case KEY_PRIOR: PageScroll(hwnd, false); return;
    case KEY_NEXT: PageScroll(hwnd, true); return;
    case KEY_INSERT: SendCommand(hwnd, CMD_INSERT); return;
    case KEY_DELETE: SendCommand(hwnd, CMD_DELETE); return;
    case KEY_F1:
    case KEY_F1 + 1:
      EditorCommand(hwnd, EDITOR_COMMIT_CLOSE);  // the cells move under it
      TableZoom(hwnd, key == KEY_F1 ? -1 : 1, 1);
      return;
    case KEY_F1 + 2:
      if (TableHooks().pfnFindNext) TableHooks().pfnFindNext(hwnd);
      return;
    case KEY_ESCAPE: EditorCommand(hwnd, EDITOR_CANCEL); return;
    case KEY_CLEAR:
    case KEY_SPACE:
    default: return;
  }
}

// -- commands ----------------------------------------------------------------

}  // namespace

int CmdBackToHome(WindowHandle hwnd, unsigned, std::intptr_t) {
  GoToCell(hwnd, 1, 1);
  return 0;
}

int CmdSelectAll(WindowHandle hwnd, unsigned, std::intptr_t) {
  SelectAll(hwnd);
  return 0;
}

// The formula bar's zoom buttons: zoom in (2008) or out (2009), forced.
int CmdZoomButton(WindowHandle hwnd, unsigned id, std::intptr_t) {
  TableZoom(hwnd, id == CMD_ZOOM_IN_BUTTON ? 1 : -1, 1);
  return 0;
}

// A linked window changed what the table shows (the 3D plot moved the
// current cell, a linked window asks for a repaint).
int CmdRepaint(WindowHandle hwnd, unsigned, std::intptr_t) {
  TableRepaint(hwnd);
  return 0;
}

int CmdActiveAgain(WindowHandle hwnd, unsigned, std::intptr_t) {
  StartTimer(hwnd, TIMER_TABLE_ACTIVE, ACTIVE_TIMER_MS);
  return 0;
}

bool FormulaHandleAt(WindowHandle hwnd, int x, int y, int* row, int* col, bool* aligned) {
  TableLockGuard t(hwnd);
  if (!t || t->bImageView) return false;
  CellRect rect{};
  if (!TableCellUnderPoint(*t.get(), x, y, row, col, &rect) || !InCornerHandle(rect, x, y)) return false;
  const TableCell* cell = TableCellAt(*t.get(), *row, *col);
  if (!cell || CellFormulaSlot(*cell) < 0 || CellFormulaSlot(*cell) > FORMULA_SLOTS) return false;
  // Only a registered formula has a handle: a free slot left linked to a
  // cell is not one.
  const FormulaSlot& slot = t->formulaSlots[static_cast<std::size_t>(CellFormulaSlot(*cell))];
  if (t->iFormulaCount <= 0 || slot.iState == FORMULA_FREE) return false;
  *aligned = slot.bRowAligned || slot.bColAligned;
  return true;
}

void SetTableTextWidth(TextWidthFn measure) { pfnTextWidth = measure ? measure : EstimatedTextWidth; }

TextWidthFn TableTextWidth() { return pfnTextWidth; }

void TableInputCreated(WindowHandle hwnd) {
  CreateCellEditor(hwnd);
}

bool TableInputMessage(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam,
                       std::intptr_t* result) {
  *result = 0;
  const auto keys = static_cast<unsigned>(wParam & 0xFFFFu);
  const int x = PointX(lParam);
  const int y = PointY(lParam);
  switch (msg) {
    case MSG_MDIACTIVATE:
      // A table that loses the activation before its timer fires must not
      // take hActiveTable back from the one that won it.
      if (wParam) {
        OnActivate(hwnd);
      } else {
        StopTimer(hwnd, TIMER_TABLE_ACTIVE);
      }
      return false;  // the window procedure keeps its own bookkeeping
    case MSG_SETFOCUS:
      RefreshTableStates(hwnd);
      return false;
    case MSG_TIMER:
      if (wParam == TIMER_TABLE_ACTIVE) {
        OnActiveTimer(hwnd);
        return true;
      }
      if (wParam == TIMER_AUTO_SCROLL) {
        OnAutoScrollTimer(hwnd);
        return true;
      }
      return false;
    case MSG_LBUTTONDOWN:
      OnLeftDown(hwnd, keys, x, y);
      return true;
    case MSG_LBUTTONUP:
      OnLeftUp(hwnd, x, y);
      return true;
    case MSG_LBUTTONDBLCLK:
      OnLeftDoubleClick(hwnd, x, y);
      return true;
    case MSG_RBUTTONDOWN:
      OnRightDown(hwnd, x, y);
      return true;
    case MSG_RBUTTONUP:
      OnRightUp(hwnd, keys, x, y);
      return true;
    case MSG_MOUSEMOVE:
      OnMouseMove(hwnd, keys, x, y);
      return true;
    case MSG_MOUSEWHEEL:
      // The wheel scrolls or zooms (the window procedure does that): an open
      // editor is committed first, as for every scroll. Turning the wheel
      // with the right button held browses as well.
      if ((wParam >> 16) & 0xFFFFu) EditorCommand(hwnd, EDITOR_COMMIT_CLOSE);
      if (keys & MK_RBUTTON) Browse(hwnd, x, y);
      return false;
    case MSG_KEYDOWN:
      OnKeyDown(hwnd, static_cast<unsigned>(wParam), static_cast<unsigned>(lParam));
      return true;
    case MSG_KEYUP:
    case MSG_CHAR:
      return true;  // text is typed into the editor, not the table
    case MSG_COMMAND:
      if (CommandId(wParam) != ID_CELL_EDITOR) return false;
      if (CommandCode(wParam) == EDIT_UPDATE) EditorTextChanged(hwnd);
      return true;
    default:
      return false;
  }
}
