// Scrolling a table window: moving iTopRow / iLeftCol, the scroll bars,
// zooming and telling linked windows.
#pragma once

#include <cstdint>

#include "platform/window.h"
#include "table/table_record.h"

// Internal commands between linked windows.
inline constexpr unsigned CMD_CHART_FOLLOW_SCROLL = 6779;
inline constexpr unsigned CMD_PARTNER_SCROLLED = 6780;
inline constexpr unsigned CMD_LINKED_SCROLLED = 6781;

// Each returns 1 when the origin moved, 0 otherwise, and sets the bar.
int ScrollRowUp(WindowHandle hwnd);
int ScrollRowDown(WindowHandle hwnd);
int ScrollPageUp(WindowHandle hwnd);
int ScrollPageDown(WindowHandle hwnd);
int ScrollToRow(WindowHandle hwnd, int pos);
int ScrollColLeft(WindowHandle hwnd);
int ScrollColRight(WindowHandle hwnd);
int ScrollPageLeft(WindowHandle hwnd);
int ScrollPageRight(WindowHandle hwnd);
int ScrollToCol(WindowHandle hwnd, int pos);

// The same on a record (no scroll bars), for the walks themselves.
int RecordPageDownRow(TableRecord& t);
int RecordPageUpRow(TableRecord& t);
int RecordPageRightCol(TableRecord& t);
int RecordPageLeftCol(TableRecord& t);

// Vertical range 0..iRows, horizontal 0..iCols.
void TableSetScrollRanges(WindowHandle hwnd);

// A scroll-bar message (MSG_VSCROLL / MSG_HSCROLL): commit an open edit,
// move, tell linked windows, repaint.
void TableOnScrollBar(WindowHandle hwnd, int bar, std::uintptr_t wParam);

// Enlarge (+1) or shrink (-1) every column and row; unless forced, only
// while Ctrl is down, else scroll one row (-1 up, +1 down).
void TableZoom(WindowHandle hwnd, int direction, int forced);
void RecordZoom(TableRecord& t, int direction);

// A wheel turn: positive deltas shrink, negative enlarge (while Ctrl is
// down); then linked windows are told.
void TableOnWheel(WindowHandle hwnd, int delta);

// Fit a column to its longest stored text: `textWidth` measures a text in
// the cell font (the view supplies it). Nothing when no column border is
// under x or the column has no text.
using TextWidthFn = int (*)(const char* text, int length);
void AutoFitColumn(WindowHandle hwnd, int x, int y, TextWidthFn textWidth);

// The widest a column is made by fitting it to its texts.
inline constexpr int TABLE_FIT_MAX_WIDTH = 600;

// Widen each used column whose shown texts in rows 1 .. `rows` are wider
// than it, to the widest of them but at most `cap` pixels (none narrows).
void FitColumnsToText(TableDocument& t, int rows, int cap, TextWidthFn textWidth);

// Tell the linked windows that the table scrolled with `bar`.
void NotifyScroll(WindowHandle hwnd, int bar);
// Take the origin a linked table sent (command 6780 or 6781).
void ApplyLinkedOrigin(WindowHandle hwnd, unsigned which);
