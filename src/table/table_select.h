// Selecting cells, rows and columns with the mouse and the keyboard, and
// where on the grid a point lies.
#pragma once

#include "platform/cursor.h"
#include "platform/window.h"
#include "table/table_geometry.h"
#include "table/table_record.h"

// Timer of the drag auto-scroll.
inline constexpr unsigned TIMER_AUTO_SCROLL = 40007;

// Selection kinds of a press: the column header, the row header, cells.
inline constexpr char SELECT_BAR_COLUMNS = 'C';
inline constexpr char SELECT_BAR_ROWS = 'R';
inline constexpr char SELECT_BAR_CELLS = 'D';

enum TableZone : int {
  ZONE_CORNER,         // above the row labels, left of the column labels
  ZONE_COLUMN_HEADER,  // the column labels
  ZONE_ROW_HEADER,     // the row labels
  ZONE_CELLS,          // everything else
};
TableZone TableZoneAt(const TableDocument& t, int x, int y);

// The data row (column) under a client y (x) as the grid shows it, -1 when
// none (a header, past the last line, outside the client).
int TableRowAtY(const TableRecord& t, int y);
int TableColAtX(const TableRecord& t, int x);
// The cell under a point and its rectangle at that place on screen.
bool TableCellUnderPoint(const TableRecord& t, int x, int y, int* row, int* col, CellRect* rect);
// Where a row (column) starts on screen at its first visible place; false
// when it is not shown.
bool TableRowTopOf(const TableRecord& t, int row, int* top);
bool TableColLeftOf(const TableRecord& t, int col, int* left);
// Whether a point lies in the 4 x 4 pixels at the bottom-right corner of
// the cell rectangle.
bool InCornerHandle(const CellRect& rect, int x, int y);

// A press on the column header ('C'), the row header ('R') or cells ('D').
// `keys` are the press's modifier bits: Ctrl adds a range (at most 100),
// Shift moves only the end of the current range.
void BeginSelection(WindowHandle hwnd, int x, int y, char kind, unsigned keys);
// The left button drags: the end of the current range follows the point.
void ExtendSelection(WindowHandle hwnd, int x, int y, char kind);
// The button is released: the current range is put in order.
void EndSelection(TableRecord& t);

// Keyboard movement of the current range's start cell: 'U', 'D', 'L', 'R',
// 'H' (first column), 'E' (last non-empty cell of the row).
void MoveCursor(WindowHandle hwnd, char key);
// Select the whole used area.
void SelectAll(WindowHandle hwnd);
// Commit the editor, clear the selection, hide the editor.
void ClearSelection(WindowHandle hwnd);
// Commit and hide the editor and show (row, col) at the top left.
void GoToCell(WindowHandle hwnd, int row, int col);

// The row or column chosen on a header bar ('R' / 'C'): iPickedRow or
// iPickedCol (-1 when none) and cPickedBar.
void PickHeader(WindowHandle hwnd, int x, int y, char bar);
// The cell under the point becomes the browse cell: 1 when there is one;
// *changed tells whether it differs from the browse cell before.
int PickBrowseCell(WindowHandle hwnd, int x, int y, int* changed);

// Drag auto-scroll: the direction (0 none, 1 up .. 8 up-left clockwise)
// for a point outside the data area, as far as it suits what is dragged:
// whole columns move only sideways, whole rows and one-column fills only
// up and down, one-row fills only sideways, blocks every way.
int AutoScrollDirection(const TableRecord& t, int x, int y);
// One step: scroll one row and/or column and move the range's far end.
void AutoScrollStep(WindowHandle hwnd);

// Helpers shared by the input modules.
WindowHandle TableEditorOf(WindowHandle hwnd);
// Give the focus to the table (the editor loses it).
void FocusTable(WindowHandle hwnd);
// Hide the editor with zero size.
void HideEditor(WindowHandle editor);
// Ask the other parts to refresh the menu and tool states.
void RefreshTableStates(WindowHandle hwnd);
