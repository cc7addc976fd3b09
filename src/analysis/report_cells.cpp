#include "analysis/report_cells.h"

#include "table/cell_store.h"

namespace {

// Text colour of computed results (hue, luminance, saturation): blue.
constexpr int RESULT_HUE = 160;
constexpr int RESULT_LUM = 120;
constexpr int RESULT_SAT = 240;

}  // namespace

int StoreReportCell(TableDocument& report, int row, int col, std::string_view text, bool result) {
  if (TableStoreCellText(report, row, col, text) != 0) return -1;
  if (!result) return 0;
  if (TableCell* cell = TableCellAt(report, row, col)) SetCellTextColour(*cell, RESULT_HUE, RESULT_LUM, RESULT_SAT);
  return 0;
}
