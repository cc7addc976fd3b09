#include "table/table_header_resize.h"

#include <algorithm>

#include "table/table_access.h"
#include "table/table_editor.h"
#include "table/table_geometry.h"
#include "table/table_select.h"
#include "table/table_window.h"

void BeginRowResize(WindowHandle hwnd, int y) {
  TableLockGuard t(hwnd);
  if (t) t->iRowResize = RowBorderAt(*t.get(), y);
}

void BeginColResize(WindowHandle hwnd, int x) {
  TableLockGuard t(hwnd);
  if (t) t->iColResize = ColBorderAt(*t.get(), x);
}

void EndRowResize(WindowHandle hwnd, int y) {
  {
    TableLockGuard t(hwnd);
    if (!t || t->iRowResize < 0) return;
  }
  EditorCommand(hwnd, EDITOR_COMMIT_CLOSE);
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    const int row = t->iRowResize;
    t->iRowResize = -1;
    int top = 0;
    // The target was on screen when the press found its border; should it
    // be gone now, nothing is resized.
    if (row >= t->iRows || (row > 0 && !TableRowTopOf(*t.get(), row, &top))) return;
    t->rowHeight[row] = std::max(y - top, 0);
  }
  TableRepaint(hwnd);
}

void EndColResize(WindowHandle hwnd, int x) {
  {
    TableLockGuard t(hwnd);
    if (!t || t->iColResize < 0) return;
  }
  EditorCommand(hwnd, EDITOR_COMMIT_CLOSE);
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    const int col = t->iColResize;
    t->iColResize = -1;
    int left = 0;
    if (col >= t->iCols || (col > 0 && !TableColLeftOf(*t.get(), col, &left))) return;
    t->colWidth[col] = std::max(x - left, 0);
  }
  TableRepaint(hwnd);
}
