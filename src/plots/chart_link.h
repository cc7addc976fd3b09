// The links between a chart and its table: following the table's scroll,
// the tracking series, moving the table's current cell to the point under
// a right-drag, and scrolling the table to what the chart shows.
#pragma once

#include "platform/window.h"
#include "plots/chart_record.h"
#include "table/table_record.h"

// The table scrolled (bar: SCROLLBAR_HORZ or SCROLLBAR_VERT): the chart's
// first visible step follows.
void ChartFollowTable(ChartRecord& c, const TableRecord& t, int bar);

// The table cell of point i of series s (for a pie, slice i), kept within
// the table.
void ChartCellOfPoint(const ChartRecord& c, const TableDocument& t, int s, int i, int* row, int* col);

// Select in the table what the chart shows and scroll it there: the
// reference cell of the first visible step and one range per series
// (consecutive ones merged). False when no cell qualifies.
bool ChartSelectInTable(const ChartRecord& c, TableRecord& t);

// Make (row, col) the table's single selected cell and show it near the
// top-left corner.
void ChartMoveTableCell(TableRecord& t, int row, int col);

// Window level: the tracking series through the table's browse cell
// (8778), right-drag tracking at (x, y), and the table following a
// horizontal scroll of the chart.
void ChartTrackTable(WindowHandle hwnd);
void ChartRightDrag(WindowHandle hwnd, int x, int y);
void ChartScrollTable(WindowHandle hwnd);
