// Running a plug-in function on a table: the selected cells go to the
// plug-in, it computes, and its result block lands at the current cell.
#pragma once

#include <cstdint>

#include "platform/window.h"
#include "sources/plugin_library.h"
#include "table/table_record.h"

// 1 when "Call Plug-in functions" may run on the table: a plug-in is
// loaded, the selection fits its capacity (ranges at most its count; each
// range spanning fewer rows and columns than its bounds, counted as last
// minus first), there is a current cell, and a single range is not just
// that cell.
int PluginCanRun(TableDocument& t);
int PluginCanRun(WindowHandle hwnd);

// Send every cell of every selection range, range by range, row by row,
// left to right. 0, or -1 after reporting the plug-in's error.
int PluginSendCells(const PluginApi& api, TableDocument& t);

// Where a result block of rows x cols lands at (row, col) in a table of
// tableRows x tableCols: the part that fits, and how many cells do not.
struct PluginResultFit {
  int iRows = 0;
  int iCols = 0;
  std::int64_t iLeftOut = 0;
};
PluginResultFit PluginFitResult(int row, int col, int tableRows, int tableCols, std::int32_t rows,
                                std::int32_t cols);

// Decimal places sent for an entry of the "Decimal places" list: 12 for
// "Full precision", else the entry's number.
int PluginDecimalPlaces(int choice);

// Send the selection, compute, and store the result block at the current
// cell (recalculating what reads it); only the cells that fit into the
// table are asked for, and the rest is reported once. 0, or -1 after
// reporting why it stopped (cells already stored stay).
int PluginRun(WindowHandle hwnd);

// The "Call Plug-in functions" command: the dialog, then the run.
int CmdCallPlugin(WindowHandle hwnd, unsigned id, std::intptr_t param);
// "Open plug-in" and "About Plug-in".
int CmdOpenPlugin(WindowHandle hFrame, unsigned id, std::intptr_t param);
int CmdAboutPlugin(WindowHandle hFrame, unsigned id, std::intptr_t param);
