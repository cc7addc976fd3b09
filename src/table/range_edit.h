// Changing a table by whole ranges: moving cells, emptying a range,
// inserting, deleting and hiding rows or columns, position locks, and
// keeping the used extent and the extremes true afterwards. The commands
// work on the one current selection range and refuse several ranges.
#pragma once

#include "platform/window.h"
#include "table/table_range.h"
#include "table/table_record.h"

// Move one cell's text (a long text by its reference), display style,
// border, fill and reference mark to another cell, with the source row's
// height and column's width; the source becomes a fresh cell apart from
// its text colour. 0, or -1 for a cell outside the table.
int MoveCell(TableDocument& t, int toRow, int toCol, int fromRow, int fromCol);

// Shrink the used extent to the last row and column holding text (an
// empty table to 1 x 1) and find the extremes again.
void RecalcUsedExtent(TableDocument& t);

// Reset the header labels of columns c0..c1 ("C" + number) and of rows
// r0..r1 ("R" + number); a range of 0..-1 resets nothing.
void ResetHeaderLabels(TableDocument& t, int r0, int r1, int c0, int c1);

// The current range, ordered, whole columns down to the last used row and
// whole rows across to the last used column, and its kind. False when the
// selection is cleared (nothing to do).
bool CurrentRange(TableDocument& t, TableRange* range, int* kind);

// Refuse several selection ranges: reports the multiple-selection message
// and returns true.
bool RefuseMultipleRanges(WindowHandle hwnd);

// Empty the cells of the current range (formulas aimed at them are
// deleted; styles, colours, borders and fills stay) and reset the header
// labels of its rows or columns; with `backup` the range is backed up for
// undo first. 0, -1 for several ranges or none.
int ClearRange(WindowHandle hwnd, bool backup);

// Insert as many empty columns or rows as are selected, at the selection;
// formulas follow their cells. 0; -1 for several ranges, none, or "No
// free room for insert" (then nothing changes and the previous undo stays).
int InsertLines(WindowHandle hwnd);

// Delete the selected columns or rows (the cells after them move up or
// left); a selected block is only emptied. 0, or -1.
int DeleteLines(WindowHandle hwnd);

// Give the selected columns width 0 or the selected rows height 0. 0, or -1.
int HideLines(WindowHandle hwnd);

// Lock the row or column picked on a header bar in its place on screen, or
// unlock it when it is locked; at most ten of each. 0, or -1 when nothing
// was picked or all ten are in use.
int TogglePositionLock(TableRecord& t);
