#include "table/table_range.h"

#include <algorithm>
#include <cstring>

#include "platform/notices.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "table/cell_text.h"
#include "table/table_access.h"

int TableGetRange(TableDocument& t, int index, int set, TableRange* range) {
  if (index < 0 || index >= SELECTION_RANGES) return -1;
  t.iUsedRows = std::min(t.iUsedRows, t.iRows);
  t.iUsedCols = std::min(t.iUsedCols, t.iCols);
  const bool analysis = set == RANGES_ANALYSIS;
  const int rowFrom = analysis ? t.anaRowFrom[index] : t.selRowFrom[index];
  const int rowTo = analysis ? t.anaRowTo[index] : t.selRowTo[index];
  const int colFrom = analysis ? t.anaColFrom[index] : t.selColFrom[index];
  const int colTo = analysis ? t.anaColTo[index] : t.selColTo[index];
  const int kind = analysis ? t.anaKind[index] : t.selKind[index];
  range->iRowFrom = std::min(rowFrom, rowTo);
  range->iRowTo = std::max(rowFrom, rowTo);
  range->iColFrom = std::min(colFrom, colTo);
  range->iColTo = std::max(colFrom, colTo);
  if (kind == SELECT_COLUMNS) {
    range->iRowFrom = 1;
    range->iRowTo = t.iUsedRows;
  } else if (kind == SELECT_ROWS) {
    range->iColFrom = 1;
    range->iColTo = t.iUsedCols;
  }
  return 0;
}

void ResetSelection(TableRecord& t) {
  t.iSelCurrent = 0;
  t.iShownEditRow = 0;
  t.iShownEditCol = 0;
  t.iAutoScrollDir = 0;
  t.bDragSelecting = 0;
  t.bAddingRange = 0;
  t.selRowFrom.fill(0);
  t.selRowTo.fill(0);
  t.selColFrom.fill(0);
  t.selColTo.fill(0);
}

void SelectFirstCell(TableRecord& t) {
  ResetSelection(t);
  t.selRowFrom[0] = t.selRowTo[0] = 1;
  t.selColFrom[0] = t.selColTo[0] = 1;
  t.selKind[0] = SELECT_BLOCK;
}

int TableNeedsSave(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  if (!t || t->iSampleMode != 0) return 0;
  return t->bModified ? 1 : 0;
}

int TableRowsForData(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  if (!t) return 0;
  return t->iLoadedRows > 0 ? t->iLoadedRows : t->iRows;
}

int TableColsForData(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  if (!t) return 0;
  return t->iLoadedCols > 0 ? t->iLoadedCols : t->iCols;
}

void RescanExtremes(TableDocument& t) {
  double maximum = t.dMinValue - 1.0;
  double minimum = t.dMaxValue + 1.0;
  const int rows = std::min(t.iUsedRows, t.iRows);
  const int cols = std::min(t.iUsedCols, t.iCols);
  for (int row = 1; row < rows; ++row) {
    const TableCell* line = &t.cells[static_cast<std::size_t>(row) * t.iCols];
    for (int col = 1; col < cols; ++col) {
      const std::string_view text = TextOf(line[col].szText);
      if (text.empty() || CellIsText(text) != 0) continue;
      const double value = TextToDouble(text);
      if (value >= maximum) {
        maximum = value;
        t.iMaxRow = row;
        t.iMaxCol = col;
      }
      if (value <= minimum) {
        minimum = value;
        t.iMinRow = row;
        t.iMinCol = col;
      }
    }
  }
  t.dMaxValue = maximum;
  t.dMinValue = minimum;
}

void StripLineBreaks(char* text, int cap) {
  if (cap <= 0) return;
  const int length = static_cast<int>(TextLength(text, static_cast<std::size_t>(cap)));
  if (length == cap) text[cap - 1] = '\0';
  for (int i = 0; i < length && i < cap; ++i) {
    if (text[i] == '\t' || text[i] == '\r' || text[i] == '\n') text[i] = '\0';
  }
  const int kept = static_cast<int>(TextLength(text, static_cast<std::size_t>(cap)));
  if (kept > 0 && text[kept - 1] == ' ') text[kept - 1] = '\0';
}

int SetReportTable(WindowHandle hwnd, WindowHandle hReport) {
  if (IsNone(hReport)) {
    ReportNotice(Text(TXT_CAPTION_ERROR), Text(TXT_REPORT_TABLE_FAILED));
    return 0;
  }
  TableLockGuard t(hwnd);
  if (!t) return 0;
  t->hReportTable = hReport;
  return 1;
}
