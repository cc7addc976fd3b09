// The window-handle forms of document operations, for window code that holds
// a table window rather than its document. Each locks the window's table and
// runs the document operation of the same name (declared in the area's own
// header); a handle that is not a table gives the failure value noted.
#pragma once

#include <string>
#include <string_view>

#include "platform/window.h"
#include "table/table_range.h"

// Cells and long texts (cell_store.h, long_text.h); -1 when not a table.
int TableStoreCellText(WindowHandle hwnd, int row, int col, std::string_view text);
// The empty text when not a table.
std::string TableCellDisplayText(WindowHandle hwnd, int row, int col);
int LongTextResolve(WindowHandle hwnd, std::string& text);
int LongTextRelease(WindowHandle hwnd, std::string_view text);

// Store, then announce the stored cell so the formulas that read it are
// recalculated. -1 (nothing announced) when the cell was not stored.
int TableSetCellText(WindowHandle hwnd, int row, int col, std::string_view text);

// Size and labels (table_init.h, report_table.h). RelabelHeaders and
// SetImportTableSize give -1 when not a table; FitReportTable also sets
// the report window's scroll ranges for its new size.
int RelabelHeaders(WindowHandle hwnd);
int SetImportTableSize(WindowHandle hwnd, int rows, int cols);
void FitReportTable(WindowHandle source, WindowHandle report);

// Ranges and selection (table_range.h, table_select.h); TableGetRange gives
// -1 when not a table, the others do nothing then.
int TableGetRange(WindowHandle hwnd, int index, int set, TableRange* range);
void ResetSelection(WindowHandle hwnd);
void SelectFirstCell(WindowHandle hwnd);
void EndSelection(WindowHandle hwnd);
void RescanExtremes(WindowHandle hwnd);

// Commands' preconditions (sort_precondition.h, table_goto.h): 0, and -1
// with row and column 1, when not a table.
int CanSortData(WindowHandle hwnd);
int GoToTarget(WindowHandle hwnd, int* row, int* col);
