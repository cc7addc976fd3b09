#include "shell/formula_bar_build.h"

#include <algorithm>
#include <vector>

#include "table/cell_reference.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "table/table_range.h"

namespace {

// The selected cells in order, range by range and row by row, without the
// target. False when their text with separators would reach the limit.
bool SelectedCells(TableRecord& t, int targetRow, int targetCol, std::vector<std::string>* cells) {
  std::size_t length = 0;
  const int last = std::clamp(t.iSelCurrent, 0, SELECTION_RANGES - 1);
  for (int i = 0; i <= last; ++i) {
    TableRange r{};
    if (TableGetRange(t, i, RANGES_SELECTION, &r) != 0) continue;
    for (int row = r.iRowFrom; row <= r.iRowTo; ++row) {
      for (int col = r.iColFrom; col <= r.iColTo; ++col) {
        if (row == targetRow && col == targetCol) continue;
        std::string cell = CellReference(row, col);
        length += cell.size() + 1;  // and its separator
        if (length >= BUILD_TEXT_LIMIT) return false;
        cells->push_back(std::move(cell));
      }
    }
  }
  // A cleared selection reads as the single cell R0C0: no cell at all.
  if (cells->size() == 1 && cells->front() == "R0C0") cells->clear();
  return true;
}

std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) out += separator;
    out += parts[i];
  }
  return out;
}

bool NoRange(const TableRecord& t) {
  return t.iSelCurrent <= 0 && t.selRowFrom[0] == 0 && t.selRowTo[0] == 0 && t.selColFrom[0] == 0 &&
         t.selColTo[0] == 0;
}

}  // namespace

bool BuildCellList(TableRecord& t, int targetRow, int targetCol, BuildKind kind, char op, std::string* out) {
  std::vector<std::string> cells;
  if (!SelectedCells(t, targetRow, targetCol, &cells)) return false;
  const std::size_t n = cells.size();
  switch (kind) {
    case BUILD_OPERATOR: {
      const std::string sep(1, op);
      *out = n >= 2 ? Joined(cells, sep) : n == 1 ? JoinText(cells[0], sep, "?") : JoinText("?", sep, "?");
      break;
    }
    case BUILD_GET_CELLS:
    case BUILD_ONE_ARG:
      *out = n == 0 ? std::string("?") : Joined(cells, "?");
      break;
    case BUILD_IF:
      *out = n >= 2 ? Joined(cells, "?") : n == 1 ? JoinText(cells[0], "?") : std::string("?");
      break;
    case BUILD_TWO_ARGS:
      *out = n >= 2 ? Joined(cells, ",") : n == 1 ? JoinText(cells[0], ",?") : std::string("?,?");
      break;
  }
  return true;
}

bool BuildRangeList(TableRecord& t, int targetRow, int targetCol, bool pairs, std::string* out) {
  if (NoRange(t)) {
    *out = pairs ? "?:?,?:?" : "?:?";
    return true;
  }
  std::vector<std::string> ranges;
  std::size_t length = 0;
  bool holdsTarget = false;
  const int last = std::clamp(t.iSelCurrent, 0, SELECTION_RANGES - 1);
  for (int i = 0; i <= last; ++i) {
    TableRange r{};
    if (TableGetRange(t, i, RANGES_SELECTION, &r) != 0) continue;
    if (targetRow >= r.iRowFrom && targetRow <= r.iRowTo && targetCol >= r.iColFrom && targetCol <= r.iColTo) {
      holdsTarget = true;
    }
    std::string piece = CellReference(r.iRowFrom, r.iColFrom);
    if (r.iRowFrom != r.iRowTo || r.iColFrom != r.iColTo) piece += JoinText(":", CellReference(r.iRowTo, r.iColTo));
    length += piece.size() + 1;
    if (length >= BUILD_TEXT_LIMIT) return false;
    ranges.push_back(std::move(piece));
  }
  if (holdsTarget) {
    *out = "?";
  } else if (pairs && ranges.size() == 1) {
    *out = JoinText(ranges[0], ",?:?");
  } else {
    *out = Joined(ranges, ",");
  }
  return true;
}

std::vector<std::string> BarFunctionEntries(BarList list) {
  const std::string_view templates = Text(list == BAR_LIST_MATH ? TXT_BAR_MATH_ENTRIES : TXT_BAR_STATS_ENTRIES);
  std::vector<std::string> entries;
  for (int line = 0; BarFunction(list, line) != nullptr; ++line) entries.emplace_back(TextLine(templates, line));
  return entries;
}

bool BuildFunctionCall(TableRecord& t, int targetRow, int targetCol, BarList list, int line, std::string* out) {
  out->clear();
  const FormulaFunction* f = BarFunction(list, line);
  if (!f) return true;
  std::string args;
  bool fits = false;
  if (list == BAR_LIST_MATH) {
    fits = BuildCellList(t, targetRow, targetCol, f->kind == FUNCTION_TWO ? BUILD_TWO_ARGS : BUILD_ONE_ARG, 0, &args);
  } else {
    const bool pairs = f->iOperands == 2 || f->kind == FUNCTION_COUNT_IF || f->kind == FUNCTION_SUM_IF;
    fits = BuildRangeList(t, targetRow, targetCol, pairs, &args);
  }
  if (!fits) return false;
  *out = JoinText(f->szName, "(", args, ")");
  return true;
}
