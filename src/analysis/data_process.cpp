#include "analysis/data_process.h"

#include <algorithm>
#include <cmath>

#include "analysis/report_cells.h"
#include "analysis/trend_colour.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "table/cell_store.h"
#include "table/cell_text.h"
#include "table/long_text.h"
#include "table/number_format.h"
#include "table/table_range.h"
#include "table/table_window_ops.h"

namespace {

// Add the rows (by row) or columns of a block to the lines.
void AddLines(std::vector<ProcessLine>& lines, const TableRange& r, bool byRow) {
  if (byRow) {
    for (int row = r.iRowFrom; row <= r.iRowTo; ++row) lines.push_back({row, row, r.iColFrom, r.iColTo, true});
  } else {
    for (int col = r.iColFrom; col <= r.iColTo; ++col) lines.push_back({r.iRowFrom, r.iRowTo, col, col, false});
  }
}

}  // namespace

std::vector<ProcessLine> ProcessLinesOf(TableDocument& t, const ProcessOptions& options) {
  std::vector<ProcessLine> lines;
  const bool byRow = options.iOrientation != PROCESS_BY_COLUMN;
  const int lastRow = std::min(t.iUsedRows, t.iRows) - 1;
  const int lastCol = std::min(t.iUsedCols, t.iCols) - 1;
  if (options.iSource != PROCESS_SELECTION) {
    AddLines(lines, {1, lastRow, 1, lastCol}, byRow);
    return lines;
  }
  const int last = std::clamp(t.iSelCurrent, 0, SELECTION_RANGES - 1);
  for (int i = 0; i <= last; ++i) {
    TableRange r{};
    if (TableGetRange(t, i, RANGES_SELECTION, &r) != 0) continue;
    // Whole lines end at the last used row or column.
    if (t.selKind[i] == SELECT_COLUMNS) r.iRowTo = lastRow;
    if (t.selKind[i] == SELECT_ROWS) r.iColTo = lastCol;
    r.iRowFrom = std::max(r.iRowFrom, 1);
    r.iColFrom = std::max(r.iColFrom, 1);
    r.iRowTo = std::min(r.iRowTo, t.iRows - 1);
    r.iColTo = std::min(r.iColTo, t.iCols - 1);
    if (r.iRowFrom <= r.iRowTo && r.iColFrom <= r.iColTo) AddLines(lines, r, byRow);
  }
  return lines;
}

ProcessStats ProcessStatsOf(const TableDocument& t, const ProcessLine& line) {
  ProcessStats s;
  double sum = 0;
  double x = 0;
  for (int row = line.iRowFrom; row <= line.iRowTo; ++row) {
    for (int col = line.iColFrom; col <= line.iColTo; ++col) {
      if (!TrendCellNumber(t, row, col, &x)) continue;
      if (!s.bHasFirst) {
        s.bHasFirst = true;
        s.dFirst = x;
      }
      ++s.iCount;
      sum += x;
    }
  }
  if (s.iCount > 0) s.dMean = sum / s.iCount;
  return s;
}

bool ProcessNumber(const ProcessOptions& options, double factor, const ProcessStats& stats, double x,
                   std::string* text) {
  double value = 0;
  switch (options.iMethod) {
    case PROCESS_NORMALIZE:
      if (stats.dFirst == 0) return false;
      value = x / stats.dFirst;
      break;
    case PROCESS_DIFFERENCE:
      if (stats.iCount == 0) return false;
      value = x - stats.dMean;
      break;
    case PROCESS_ABS_DIFFERENCE:
    case PROCESS_DEVIATION:
      if (stats.iCount == 0) return false;
      value = std::fabs(x - stats.dMean);
      break;
    default:
      value = x * factor;
      break;
  }
  *text = FormatNumber(value);
  return true;
}

double ProcessDeviation(const TableDocument& t, const ProcessLine& line, const ProcessStats& stats) {
  if (stats.iCount < 2) return 0;
  double squares = 0;
  double x = 0;
  for (int row = line.iRowFrom; row <= line.iRowTo; ++row) {
    for (int col = line.iColFrom; col <= line.iColTo; ++col) {
      if (!TrendCellNumber(t, row, col, &x)) continue;
      const double d = x - stats.dMean;
      squares += d * d;
    }
  }
  return std::sqrt(squares / (stats.iCount - 1));
}

double ProcessFactor(const ProcessOptions& options) {
  bool ok = false;
  const double factor = TextToDoubleChecked(TextOf(options.szScale), &ok);
  return ok && factor != 0 && std::isfinite(factor) ? factor : 1.0;
}

void DataProcessRun(TableDocument& source, const ProcessSink& sink) {
  const ProcessOptions options = AnalysisOptionsOf(source).process;
  const double factor = ProcessFactor(options);
  std::string text;
  for (const ProcessLine& line : ProcessLinesOf(source, options)) {
    const ProcessStats stats = ProcessStatsOf(source, line);
    // The deviation reads the line before any result overwrites it.
    const bool deviation = options.iMethod == PROCESS_DEVIATION && stats.iCount > 1;
    const double sd = deviation ? ProcessDeviation(source, line, stats) : 0;
    for (int row = line.iRowFrom; row <= line.iRowTo; ++row) {
      for (int col = line.iColFrom; col <= line.iColTo; ++col) {
        const TableCell* cell = TableCellAt(source, row, col);
        if (!cell) continue;
        text.assign(TextOf(cell->szText));
        if (text.empty()) {
          sink(row, col, text, false, false);
        } else if (CellIsText(text) != 0) {
          LongTextResolve(source, text);
          sink(row, col, text, false, false);
        } else {
          const bool computed = ProcessNumber(options, factor, stats, TextToDouble(text), &text);
          sink(row, col, text, computed, false);
        }
      }
    }
    if (!deviation) continue;
    sink(line.bRow ? line.iRowTo : line.iRowTo + 1, line.bRow ? line.iColTo + 1 : line.iColTo, FormatNumber(sd), true,
         true);
  }
}

void DataProcessIntoReport(TableDocument& source, TableDocument& report) {
  report.iSelCurrent = source.iSelCurrent;
  report.selRowFrom = source.selRowFrom;
  report.selRowTo = source.selRowTo;
  report.selColFrom = source.selColFrom;
  report.selColTo = source.selColTo;
  report.selKind = source.selKind;
  DataProcessRun(source, [&report](int row, int col, std::string_view text, bool, bool result) {
    if (!text.empty()) StoreReportCell(report, row, col, text, result);
  });
  report.bModified = 1;
}
