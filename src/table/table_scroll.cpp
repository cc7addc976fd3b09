#include "table/table_scroll.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/keys.h"
#include "platform/scrollbar.h"
#include "platform/text_buffer.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_editor.h"
#include "table/table_input_hooks.h"
#include "table/table_geometry.h"
#include "table/table_window.h"

namespace {

// Page walks shared by rows and columns. `origin` is iTopRow or iLeftCol,
// `count` iRows or iCols, `sizes` their heights or widths, `limit` the
// client's far edge.
int PageForward(const std::array<std::int32_t, TABLE_MAX_DIMENSION>& sizes, int origin, int count, int limit) {
  int pos = sizes[0];
  for (int line = origin; line < count; ++line) {
    pos += std::max(sizes[line], 0);
    if (pos > limit) {
      // The last fully shown line goes to the top; at least one line moves.
      return std::min(std::max(line - 1, origin + 1), count - 1);
    }
  }
  return count - 1;
}

int PageBackward(const std::array<std::int32_t, TABLE_MAX_DIMENSION>& sizes, int origin, int count, int limit) {
  int pos = sizes[0];
  int n = 0;
  for (int line = origin; line < count; ++line) {
    ++n;
    pos += std::max(sizes[line], 0);
    if (pos > limit) break;
  }
  return std::max(origin - n + 1, 1);
}

// Move an origin and report whether it changed.
int MoveOrigin(std::int32_t& origin, int to) {
  if (origin == to) return 0;
  origin = to;
  return 1;
}

// Run a record move on a window's table and set the bar to the origin.
template <typename Move>
int ScrollWith(WindowHandle hwnd, int bar, Move move) {
  int moved = 0;
  int origin = 0;
  {
    TableLockGuard t(hwnd);
    if (!t) return 0;
    moved = move(*t.get());
    origin = bar == SCROLLBAR_VERT ? t->iTopRow : t->iLeftCol;
  }
  SetScrollPos(hwnd, bar, origin);
  return moved;
}

}  // namespace

int RecordPageDownRow(TableRecord& t) {
  return MoveOrigin(t.iTopRow, PageForward(t.rowHeight, t.iTopRow, t.iRows, t.iClientHeight));
}

int RecordPageUpRow(TableRecord& t) {
  return MoveOrigin(t.iTopRow, PageBackward(t.rowHeight, t.iTopRow, t.iRows, t.iClientHeight));
}

int RecordPageRightCol(TableRecord& t) {
  return MoveOrigin(t.iLeftCol, PageForward(t.colWidth, t.iLeftCol, t.iCols, t.iClientWidth));
}

int RecordPageLeftCol(TableRecord& t) {
  return MoveOrigin(t.iLeftCol, PageBackward(t.colWidth, t.iLeftCol, t.iCols, t.iClientWidth));
}

int ScrollRowUp(WindowHandle hwnd) {
  return ScrollWith(hwnd, SCROLLBAR_VERT,
                    [](TableRecord& t) { return t.iTopRow >= 2 ? MoveOrigin(t.iTopRow, t.iTopRow - 1) : 0; });
}

int ScrollRowDown(WindowHandle hwnd) {
  return ScrollWith(hwnd, SCROLLBAR_VERT, [](TableRecord& t) {
    return t.iTopRow < t.iRows ? MoveOrigin(t.iTopRow, std::min(t.iTopRow + 1, t.iRows - 1)) : 0;
  });
}

int ScrollPageUp(WindowHandle hwnd) { return ScrollWith(hwnd, SCROLLBAR_VERT, RecordPageUpRow); }

int ScrollPageDown(WindowHandle hwnd) { return ScrollWith(hwnd, SCROLLBAR_VERT, RecordPageDownRow); }

int ScrollToRow(WindowHandle hwnd, int pos) {
  int moved = 0;
  {
    TableLockGuard t(hwnd);
    if (!t) return 0;
    moved = MoveOrigin(t->iTopRow, std::clamp(pos, 1, std::max(t->iRows - 1, 1)));
  }
  SetScrollPos(hwnd, SCROLLBAR_VERT, pos);  // the bar shows the position asked for
  return moved;
}

int ScrollColLeft(WindowHandle hwnd) {
  return ScrollWith(hwnd, SCROLLBAR_HORZ,
                    [](TableRecord& t) { return t.iLeftCol >= 2 ? MoveOrigin(t.iLeftCol, t.iLeftCol - 1) : 0; });
}

int ScrollColRight(WindowHandle hwnd) {
  return ScrollWith(hwnd, SCROLLBAR_HORZ, [](TableRecord& t) {
    return t.iLeftCol < t.iCols ? MoveOrigin(t.iLeftCol, std::min(t.iLeftCol + 1, t.iCols - 1)) : 0;
  });
}

int ScrollPageLeft(WindowHandle hwnd) { return ScrollWith(hwnd, SCROLLBAR_HORZ, RecordPageLeftCol); }

int ScrollPageRight(WindowHandle hwnd) { return ScrollWith(hwnd, SCROLLBAR_HORZ, RecordPageRightCol); }

int ScrollToCol(WindowHandle hwnd, int pos) {
  int moved = 0;
  {
    TableLockGuard t(hwnd);
    if (!t) return 0;
    moved = MoveOrigin(t->iLeftCol, std::clamp(pos, 1, std::max(t->iCols - 1, 1)));
  }
  SetScrollPos(hwnd, SCROLLBAR_HORZ, pos);
  return moved;
}

void TableSetScrollRanges(WindowHandle hwnd) {
  int rows = 0;
  int cols = 0;
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    rows = t->iRows;
    cols = t->iCols;
  }
  SetScrollRange(hwnd, SCROLLBAR_VERT, 0, rows);
  SetScrollRange(hwnd, SCROLLBAR_HORZ, 0, cols);
}

void TableOnScrollBar(WindowHandle hwnd, int bar, std::uintptr_t wParam) {
  EditorCommand(hwnd, EDITOR_COMMIT_CLOSE);
  const int request = ScrollRequestOf(wParam);
  const bool vertical = bar == SCROLLBAR_VERT;
  switch (request) {
    case SCROLL_LINE_UP: vertical ? ScrollRowUp(hwnd) : ScrollColLeft(hwnd); break;
    case SCROLL_LINE_DOWN: vertical ? ScrollRowDown(hwnd) : ScrollColRight(hwnd); break;
    case SCROLL_PAGE_UP: vertical ? ScrollPageUp(hwnd) : ScrollPageLeft(hwnd); break;
    case SCROLL_PAGE_DOWN: vertical ? ScrollPageDown(hwnd) : ScrollPageRight(hwnd); break;
    case SCROLL_TOP: vertical ? ScrollToRow(hwnd, 1) : ScrollToCol(hwnd, 1); break;
    case SCROLL_BOTTOM: {
      int last = 1;
      if (TableLockGuard t(hwnd); t) last = vertical ? t->iRows - 1 : t->iCols - 1;
      vertical ? ScrollToRow(hwnd, last) : ScrollToCol(hwnd, last);
      break;
    }
    case SCROLL_THUMB_POSITION:
    case SCROLL_THUMB_TRACK: {
      const int pos = ScrollPositionOf(wParam);
      vertical ? ScrollToRow(hwnd, pos) : ScrollToCol(hwnd, pos);
      break;
    }
    default:
      return;
  }
  NotifyScroll(hwnd, bar);
  TableRepaint(hwnd);
}

void RecordZoom(TableRecord& t, int direction) {
  long long total = 0;
  for (int col = 0; col < t.iCols; ++col) total += t.colWidth[col];
  const int average = t.iCols > 0 ? static_cast<int>(total / t.iCols) : 0;
  const auto setWidths = [&t](int width) {
    for (int col = 0; col < t.iCols; ++col) t.colWidth[col] = width;
  };
  const auto setHeights = [&t](int height) {
    for (int row = 0; row < t.iRows; ++row) t.rowHeight[row] = height;
  };
  setWidths(average);
  t.iDefaultColWidth = average;
  if (direction > 0) {
    if (average > 17) {
      t.bImageView = 0;
      setHeights(18);
      setWidths(average + 1);
    } else {
      t.iDefaultColWidth = average + 1;
      setHeights(average + 1);
      setWidths(average + 1);
    }
  } else if (average > 1) {
    t.iDefaultColWidth = average - 1;
    setWidths(average - 1);
    if (average - 1 > 17) {
      setHeights(18);
    } else {
      t.bImageView = 1;
      setHeights(average - 1);
    }
  }
}

void TableZoom(WindowHandle hwnd, int direction, int forced) {
  if (!forced && !KeyIsDown(KEY_CONTROL)) {
    direction < 0 ? ScrollRowUp(hwnd) : ScrollRowDown(hwnd);
  } else {
    TableLockGuard t(hwnd);
    if (!t) return;
    RecordZoom(*t.get(), direction);
  }
  TableRepaint(hwnd);
}

void TableOnWheel(WindowHandle hwnd, int delta) {
  if (delta == 0) return;
  TableZoom(hwnd, delta > 0 ? -1 : 1, 0);
  NotifyScroll(hwnd, SCROLLBAR_VERT);
}

namespace {

// The widest shown text of rows 1 .. lastRow of a column, measured, plus
// the cell's margins; 0 when they hold no text.
int WidestText(const TableDocument& t, int col, int lastRow, TextWidthFn textWidth) {
  int widest = 0;
  for (int row = 1; row <= lastRow; ++row) {
    if (t.cells[static_cast<std::size_t>(row) * t.iCols + col].szText[0] == '\0') continue;
    const std::string text = TableCellDisplayText(t, row, col);
    widest = std::max(widest, textWidth(text.data(), static_cast<int>(text.size())) + 10);
  }
  return widest;
}

}  // namespace

void AutoFitColumn(WindowHandle hwnd, int x, int y, TextWidthFn textWidth) {
  {
    TableLockGuard t(hwnd);
    if (!t || y >= t->rowHeight[0]) return;
    const int col = ColBorderAt(*t.get(), x);
    if (col <= 0 || col >= t->iCols) return;
    const int widest = WidestText(*t.get(), col, t->iUsedRows - 1, textWidth);
    if (widest == 0) return;
    t->colWidth[col] = std::min(widest, TABLE_FIT_MAX_WIDTH);
  }
  TableRepaint(hwnd);
}

void FitColumnsToText(TableDocument& t, int rows, int cap, TextWidthFn textWidth) {
  const int lastRow = std::min({rows, t.iUsedRows - 1, t.iRows - 1});
  const int lastCol = std::min(t.iUsedCols - 1, t.iCols - 1);
  for (int col = 1; col <= lastCol; ++col) {
    const int widest = std::min(WidestText(t, col, lastRow, textWidth), cap);
    if (widest > t.colWidth[col]) t.colWidth[col] = widest;
  }
}

void NotifyScroll(WindowHandle hwnd, int bar) {
  WindowHandle chart;
  WindowHandle partner;
  WindowHandle linked;
  int top = 0;
  int left = 0;
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    t->iLastScrollBar = bar;
    chart = t->hChartWindow;
    partner = t->hPartnerTable;
    linked = t->hTrendWindow;
    top = t->iTopRow;
    left = t->iLeftCol;
  }
  if (IsWindowAlive(chart)) PostCommand(chart, CMD_CHART_FOLLOW_SCROLL, bar);
  if (IsWindowAlive(partner)) {
    if (TableLockGuard p(partner); p) {
      p->iPartnerTopRow = top;
      p->iPartnerLeftCol = left;
    }
    PostCommand(partner, CMD_PARTNER_SCROLLED);
  }
  if (IsWindowAlive(linked)) {
    if (TableLockGuard l(linked); l) {
      l->iLinkedTopRow = top;
      l->iLinkedLeftCol = left;
    }
    PostCommand(linked, CMD_LINKED_SCROLLED);
  }
  if (TableHooks().pfnScrollFollow) TableHooks().pfnScrollFollow(hwnd, bar);
}

void ApplyLinkedOrigin(WindowHandle hwnd, unsigned which) {
  int top = 0;
  int left = 0;
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    const bool partner = which == CMD_PARTNER_SCROLLED;
    top = std::clamp(partner ? t->iPartnerTopRow : t->iLinkedTopRow, 1, std::max(t->iRows - 1, 1));
    left = std::clamp(partner ? t->iPartnerLeftCol : t->iLinkedLeftCol, 1, std::max(t->iCols - 1, 1));
    t->iTopRow = top;
    t->iLeftCol = left;
  }
  SetScrollPos(hwnd, SCROLLBAR_VERT, top);
  SetScrollPos(hwnd, SCROLLBAR_HORZ, left);
  TableRepaint(hwnd);
}
