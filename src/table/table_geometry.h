// Where rows and columns lie on screen: the walk of the visible rows from
// iTopRow (columns from iLeftCol) with position locks, cell rectangles and
// the cell under a point. Coordinates are client pixels; a line spans
// [iStart, iEnd) and a hidden one (size 0) has iStart == iEnd.
#pragma once

#include <array>
#include <cstdint>

#include "table/table_record.h"

struct ScreenLine {
  std::int32_t iIndex;  // row or column number
  std::int32_t iStart;
  std::int32_t iEnd;
  std::int32_t bLocked;  // shown in place of the line due at this slot
};

// The visible rows or columns, in screen order. Large (a line per row of a
// 16,385-row table): keep one in static storage, not on the stack.
struct ScreenLines {
  std::int32_t iCount = 0;
  std::array<ScreenLine, TABLE_MAX_DIMENSION> lines;
};

// The row shown at screen slot `slot` (slot 0 is iTopRow): a locked row
// whose slot it is, else iTopRow + slot.
int TableRowAtSlot(const TableRecord& t, int slot, bool* locked);
int TableColAtSlot(const TableRecord& t, int slot, bool* locked);

// Walk the visible rows (columns) of a client area: from the header's edge
// until a row passes the client's far edge or the table ends.
void TableScreenRows(const TableRecord& t, int clientHeight, ScreenLines* out);
void TableScreenCols(const TableRecord& t, int clientWidth, ScreenLines* out);

// The line containing coordinate `pos` (a boundary belongs to the earlier
// line), or -1.
int ScreenLineAt(const ScreenLines& lines, int pos);

// The cell under a client point, walking rows and columns within the
// client area; false when the point is on a header or past the last line.
bool TableCellAtPoint(const TableRecord& t, int x, int y, int* row, int* col);

// A cell's rectangle on screen (as shown at its first visible place);
// false when it is not on screen.
struct CellRect {
  int left;
  int top;
  int right;
  int bottom;
};
bool TableCellRectOf(const TableRecord& t, int row, int col, CellRect* rect);

// The last row (column) whose bottom (right) edge lies inside the client;
// iTopRow (iLeftCol) when none does.
int TableLastFullRow(const TableRecord& t);
int TableLastFullCol(const TableRecord& t);

// Header-border hit tests: the row (column) whose lower (right) border lies
// within 2 pixels before or 1 pixel after `y` (`x`); 0 for the border under
// the header itself; when hidden rows start at the border, the last of up
// to 20 of them (so dragging brings it back); -1 when no border is there.
int RowBorderAt(const TableRecord& t, int y);
int ColBorderAt(const TableRecord& t, int x);
