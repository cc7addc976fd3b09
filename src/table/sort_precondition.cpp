#include "table/sort_precondition.h"

#include "platform/text_buffer.h"
#include "table/cell_store.h"
#include "table/cell_text.h"
#include "table/table_access.h"
#include "table/table_range.h"

namespace {

// The raw text of a cell; empty outside the table.
std::string_view RawText(const TableDocument& t, int row, int col) {
  const TableCell* cell = TableCellAt(t, row, col);
  return cell ? TextOf(cell->szText) : std::string_view();
}

// Cells `from`..`to` of a line (a column when `column`, else a row) at
// index `line`: up to the last non-empty one, every cell is a number.
bool KeyLineIsNumeric(const TableDocument& t, bool column, int line, int from, int to) {
  const auto at = [&](int i) { return column ? RawText(t, i, line) : RawText(t, line, i); };
  int end = to;
  while (end >= from && at(end).empty()) --end;
  for (int i = from; i <= end; ++i) {
    const std::string_view text = at(i);
    if (text.empty() || CellIsText(text)) return false;
  }
  return true;
}

}  // namespace

int CanSortData(TableRecord& t) {
  if (t.iSelCurrent > 0) return 0;
  TableRange range{};
  if (TableGetRange(t, 0, RANGES_SELECTION, &range) != 0) return 0;
  if (range.iRowFrom == range.iRowTo && range.iColFrom == range.iColTo) return 0;
  const int row = t.iBrowseRow;
  const int col = t.iBrowseCol;
  if (row < range.iRowFrom || row > range.iRowTo || col < range.iColFrom || col > range.iColTo) return 0;
  switch (t.selKind[0]) {
    case SELECT_COLUMNS:
      return KeyLineIsNumeric(t, true, col, range.iRowFrom, range.iRowTo) ? 1 : 0;
    case SELECT_ROWS:
      return KeyLineIsNumeric(t, false, row, range.iColFrom, range.iColTo) ? 1 : 0;
    default:
      return 1;
  }
}

