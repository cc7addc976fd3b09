// Selection ranges, the data extent and small table queries.
#pragma once

#include "platform/window.h"
#include "table/table_record.h"

struct TableRange {
  int iRowFrom;
  int iRowTo;
  int iColFrom;
  int iColTo;
};

enum RangeSet : int {
  RANGES_SELECTION = 0,
  RANGES_ANALYSIS = 1,
};

// Range `index` of a set, normalised and, for whole rows or columns,
// expanded to the used extent. -1 for an index outside 0..99 or a window
// that is not a table.
int TableGetRange(TableDocument& t, int index, int set, TableRange* range);

// Clear every selection range and the editor and mouse bookkeeping.
void ResetSelection(TableRecord& t);
// ResetSelection, then range 0 = block (1,1)-(1,1).
void SelectFirstCell(TableRecord& t);

// 1 when the table has unsaved changes (never for a sampled table).
int TableNeedsSave(WindowHandle hwnd);
int TableRowsForData(WindowHandle hwnd);
int TableColsForData(WindowHandle hwnd);

// Recompute the largest and smallest numeric value over the used area.
void RescanExtremes(TableDocument& t);

// Tabs, carriage returns, line feeds and a final blank in a text buffer of
// `cap` bytes become terminators.
void StripLineBreaks(char* text, int cap);

// Record the report table opened for a table's results: 1, or 0 after
// telling the user when the report table could not be created.
int SetReportTable(WindowHandle hwnd, WindowHandle hReport);
