#include "table/sort_data.h"

#include <algorithm>
#include <string>

#include "platform/cursor.h"
#include "platform/message_box.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "table/cell_store.h"
#include "table/cell_text.h"
#include "table/long_text.h"
#include "table/report_table.h"
#include "table/sort_keys.h"
#include "table/table_access.h"
#include "table/table_editor.h"
#include "table/table_range.h"
#include "table/table_window.h"
#include "table/table_window_ops.h"

namespace {

// The raw text of a cell; empty outside the table.
std::string_view RawText(const TableDocument& t, int row, int col) {
  const TableCell* cell = TableCellAt(t, row, col);
  return cell ? TextOf(cell->szText) : std::string_view();
}

// The last index from..to whose cell along a line is not empty, or from - 1.
int LastFilled(const TableDocument& t, bool column, int line, int from, int to) {
  int end = to;
  while (end >= from && (column ? RawText(t, end, line) : RawText(t, line, end)).empty()) --end;
  return end;
}

// Whether the plan's keys run down a column (rows are reordered).
bool ByColumn(const TableDocument& t, const SortPlan& plan) {
  if (plan.iKind == SELECT_COLUMNS) return true;
  if (plan.iKind == SELECT_ROWS) return false;
  return t.iSortBy != SORT_BY_ROW;
}

// Copy one cell's text into the report: a pool text into the report's own
// pool, a number as it is; empty cells stay empty.
void CopyCell(const TableDocument& source, int row, int col, TableDocument& report, int toRow, int toCol,
              std::string& text) {
  if (row >= source.iRows || col >= source.iCols) return;
  const std::string_view raw = RawText(source, row, col);
  if (raw.empty()) return;
  if (IsLongTextRef(raw) == 1) {
    text.assign(raw);
    LongTextResolve(source, text);
    TableStoreCellText(report, toRow, toCol, text);
  } else {
    TableStoreCellText(report, toRow, toCol, raw);
  }
}

// Show the "Sort" dialog for a plan; false when cancelled.
bool AskSortChoice(WindowHandle hwnd, const SortPlan& plan) {
  SortDialogModel model;
  {
    TableLockGuard t(hwnd);
    if (!t) return false;
    model.iKeyRow = plan.iKeyRow;
    model.iKeyCol = plan.iKeyCol;
    model.iKind = plan.iKind;
    model.iSortBy = t->iSortBy;
    model.iSortOrder = t->iSortOrder;
  }
  if (RunCustomDialog(hwnd, SORT_DIALOG_NAME, &model) != BUTTON_OK) return false;
  TableLockGuard t(hwnd);
  if (!t) return false;
  t->iSortBy = model.iSortBy == SORT_BY_ROW ? SORT_BY_ROW : SORT_BY_COLUMN;
  t->iSortOrder = model.iSortOrder == SORT_DESCENDING ? SORT_DESCENDING : SORT_ASCENDING;
  return true;
}

}  // namespace

std::string SortClickedText(int row, int col) {
  return JoinText(Text(TXT_SORT_CLICKED), FormatInt(row), ", C", FormatInt(col), ")");
}

std::string SortRowText(int row) { return JoinText(Text(TXT_SORT_ROW_PREFIX), FormatInt(row)); }

std::string SortColumnText(int col) { return JoinText(Text(TXT_SORT_COLUMN_PREFIX), FormatInt(col)); }

int PlanSort(TableRecord& t, SortPlan* plan) {
  t.iSortCount = 0;
  t.iSortOrder = SORT_ASCENDING;
  TableRange range{};
  if (TableGetRange(t, 0, RANGES_SELECTION, &range) != 0) return -1;
  *plan = SortPlan{};
  plan->iKind = t.selKind[0];
  plan->iRowFrom = range.iRowFrom;
  plan->iRowTo = range.iRowTo;
  plan->iColFrom = range.iColFrom;
  plan->iColTo = range.iColTo;
  plan->iKeyRow = t.iBrowseRow;
  plan->iKeyCol = t.iBrowseCol;
  const bool manyRows = range.iRowTo > range.iRowFrom;
  const bool manyCols = range.iColTo > range.iColFrom;
  switch (plan->iKind) {
    case SELECT_COLUMNS:
      plan->bAsk = manyCols;
      plan->iRowTo = LastFilled(t, true, plan->iKeyCol, range.iRowFrom, range.iRowTo);
      break;
    case SELECT_ROWS:
      plan->bAsk = manyRows;
      plan->iColTo = LastFilled(t, false, plan->iKeyRow, range.iColFrom, range.iColTo);
      break;
    default:
      plan->iKind = SELECT_BLOCK;
      if (!manyRows && manyCols) {
        t.iSortBy = SORT_BY_ROW;
      } else if (manyRows && !manyCols) {
        t.iSortBy = SORT_BY_COLUMN;
      } else {
        plan->bAsk = true;
      }
      break;
  }
  return 0;
}

int CollectSortKeys(TableDocument& t, const SortPlan& plan) {
  const bool byColumn = ByColumn(t, plan);
  const int from = byColumn ? plan.iRowFrom : plan.iColFrom;
  const int to = byColumn ? plan.iRowTo : plan.iColTo;
  const int capacity = static_cast<int>(t.dSortBuffer.size());
  bool failed = false;
  t.iSortCount = 0;
  for (int i = from; i <= to && t.iSortCount < capacity; ++i) {
    const int row = byColumn ? i : plan.iKeyRow;
    const int col = byColumn ? plan.iKeyCol : i;
    const std::string_view text = RawText(t, row, col);
    const bool number = !text.empty() && CellIsText(text) == 0;
    if (!number) failed = true;
    const int k = t.iSortCount++;
    t.dSortBuffer[k] = number ? TextToDouble(text) : 0.0;
    t.sortRow[k] = row;
    t.sortCol[k] = col;
  }
  return failed ? -1 : 0;
}

void WriteSortReport(const TableDocument& source, const SortPlan& plan, TableDocument& report) {
  const bool byColumn = ByColumn(source, plan);
  std::string text;
  for (int k = 0; k < source.iSortCount; ++k) {
    if (byColumn) {
      for (int col = plan.iColFrom; col <= plan.iColTo; ++col) {
        CopyCell(source, source.sortRow[k], col, report, k + 1, col - plan.iColFrom + 1, text);
      }
    } else {
      for (int row = plan.iRowFrom; row <= plan.iRowTo; ++row) {
        CopyCell(source, row, source.sortCol[k], report, row - plan.iRowFrom + 1, k + 1, text);
      }
    }
  }
  report.bModified = 1;
}

int SortIntoReport(TableDocument& source, const SortPlan& plan, TableDocument& report) {
  if (CollectSortKeys(source, plan) != 0) return -1;
  if (source.iSortCount > 0) QuickSortKeys(source, 0, source.iSortCount - 1);
  WriteSortReport(source, plan, report);
  return 0;
}

int SortData(WindowHandle source, WindowHandle report) {
  TableRepaint(source);
  FitReportTable(source, report);
  SortPlan plan;
  {
    TableLockGuard t(source);
    if (!t || PlanSort(*t.get(), &plan) != 0) {
      DiscardReportTable(source, report);
      return -1;
    }
  }
  if (plan.bAsk && !AskSortChoice(source, plan)) {
    DiscardReportTable(source, report);
    return -1;
  }
  int result = -1;
  {
    TableLockGuard s(source);
    TableLockGuard r(report);
    if (s && r) result = SortIntoReport(*s.get(), plan, *r.get());
  }
  if (result != 0) {
    ShowMessage(Text(TXT_CAPTION_MESSAGE), Text(TXT_SORT_NOT_NUMERIC));
    DiscardReportTable(source, report);
    return -1;
  }
  FinishReportTable(report);
  return 0;
}

int CmdSortData(WindowHandle hwnd, unsigned, std::intptr_t) {
  EditorCommand(hwnd, EDITOR_COMMIT_CLOSE);
  const WindowHandle report = OpenReportTableFor(hwnd);
  if (IsNone(report)) return 0;
  SetWaitCursor(0);
  SortData(hwnd, report);
  SetWaitCursor(1);
  return 0;
}
