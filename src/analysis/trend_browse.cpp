#include "analysis/trend_browse.h"

#include <algorithm>
#include <cmath>

#include "analysis/trend_colour.h"
#include "platform/number_text.h"
#include "resources/string_table.h"
#include "table/cell_store.h"
#include "table/number_format.h"

namespace {

// The extremes of the numbers of rows r0..r1 and columns c0..c1.
bool Extremes(const TableDocument& t, int r0, int r1, int c0, int c1, double* mn, double* mx) {
  bool any = false;
  double value = 0;
  for (int row = r0; row <= r1; ++row) {
    for (int col = c0; col <= c1; ++col) {
      if (!TrendCellNumber(t, row, col, &value)) continue;
      if (!any || value < *mn) *mn = value;
      if (!any || value > *mx) *mx = value;
      any = true;
    }
  }
  return any;
}

// The scale a cell was coloured on: the range of the last colouring that
// holds it, narrowed to its row or column by the comparison mode.
bool CellScale(const TableDocument& t, int row, int col, TrendBrowseInfo* info) {
  const TrendSettings* s = TrendSettingsIf(t);
  if (!s) return false;
  info->iHueStart = s->iHueStart;
  info->iHueEnd = s->iHueEnd;
  for (const TableRange& r : s->ranges) {
    if (row < r.iRowFrom || row > r.iRowTo || col < r.iColFrom || col > r.iColTo) continue;
    if (s->iCompareMode == TREND_ROW) return Extremes(t, row, row, r.iColFrom, r.iColTo, &info->dMin, &info->dMax);
    if (s->iCompareMode == TREND_COLUMN) return Extremes(t, r.iRowFrom, r.iRowTo, col, col, &info->dMin, &info->dMax);
    return Extremes(t, r.iRowFrom, r.iRowTo, r.iColFrom, r.iColTo, &info->dMin, &info->dMax);
  }
  return false;
}

RgbColour CellRgb(const TableCell& cell) { return HlsToRgb(CellTextHue(cell), CellTextSat(cell), CellTextLum(cell)); }

}  // namespace

bool TrendBrowseInfoAt(const TableDocument& t, int row, int col, TrendBrowseInfo* info) {
  const TableCell* cell = TableCellAt(t, row, col);
  if (!cell || row < 1 || col < 1) return false;
  *info = TrendBrowseInfo{};
  info->iRow = row;
  info->iCol = col;
  info->szText = TableCellDisplayText(t, row, col);
  info->cellColour = CellRgb(*cell);
  for (int k = 0; k < 9; ++k) {
    const TableCell* near = TableCellAt(t, row + k / 3 - 1, col + k % 3 - 1);
    info->present[k] = near != nullptr && row + k / 3 - 1 >= 1 && col + k % 3 - 1 >= 1;
    if (info->present[k]) info->neighbours[k] = CellRgb(*near);
  }
  double value = 0;
  if (TrendCellNumber(t, row, col, &value) && CellScale(t, row, col, info)) {
    info->bScale = true;
    const double span = info->dMax - info->dMin;
    const double hues = info->iHueEnd - info->iHueStart;
    const double steps = span > 0 && std::isfinite(span) ? (info->dMax - value) * hues / span : 0.0;
    info->iMarkerStep = static_cast<int>(std::clamp(steps, 0.0, std::max(hues, 0.0)));
  }
  return true;
}

std::string TrendBrowseCellLine(const TrendBrowseInfo& info) {
  return std::string(Text(TXT_BROWSE_CURRENT)) + FormatInt(info.iRow) + "," + FormatInt(info.iCol) + "]= " +
         info.szText;
}

std::string TrendBrowseRangeLine(const TrendBrowseInfo& info) {
  if (!info.bScale) return {};
  return std::string(Text(TXT_BROWSE_DATA_MAX)) + FormatNumber(info.dMax) + " ; " + Text(TXT_BROWSE_MIN) +
         FormatNumber(info.dMin) + " ";
}
