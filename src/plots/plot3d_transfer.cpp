#include "plots/plot3d_transfer.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "plots/plot_cells.h"
#include "resources/string_table.h"
#include "table/cell_store.h"
#include "table/colour.h"
#include "table/table_record.h"

namespace {

// The finite number a cell holds and its text; false for a missing, empty
// or text cell.
bool CellNumber(const TableDocument& t, int row, int col, double* value, std::string_view* text) {
  if (!PlotCellNumber(t, row, col, value) || !std::isfinite(*value)) return false;
  *text = TextOf(TableCellAt(t, row, col)->szText);
  return true;
}

// The colour of a cell's text as RGB.
Plot3DRgb CellRgb(const TableCell& cell) {
  const RgbColour c = HlsToRgb(CellTextHue(cell), CellTextSat(cell), CellTextLum(cell));
  return {c.iRed, c.iGreen, c.iBlue};
}

// The status texts of a transfer: the focus cell and the block's corners.
void SetStatusTexts(const TableDocument& t, Plot3DRecord& p) {
  const int focusRow = p.iOriginRow + p.iFocusRow;
  const int focusCol = p.iOriginCol + p.iFocusCol;
  const std::string data = TableCellDisplayText(t, focusRow, focusCol);
  CopyText(p.szFocus, JoinText(Text(TXT_PLOT3D_FOCUS), "(", FormatInt(focusRow), ",", FormatInt(focusCol), "); ",
                               Text(TXT_PLOT3D_DATA), data));
  CopyText(p.szUpperLeft, JoinText(Text(TXT_PLOT3D_UPPER_LEFT), "( ", FormatInt(p.iOriginRow), ", ",
                                   FormatInt(p.iOriginCol), " )"));
  CopyText(p.szLowerRight, JoinText(Text(TXT_PLOT3D_LOWER_RIGHT), "( ", FormatInt(p.iOriginRow + p.iRows - 1), ", ",
                                    FormatInt(p.iOriginCol + p.iCols - 1), " )"));
  CopyText(p.szPrefix, Text(TXT_PLOT3D_PREFIX));
}

// One axis of a browse placement: the origin of `count` lines centred on
// `at`, kept within lines 1 .. lines - 1.
int CentredOrigin(int at, int lines, int count) {
  int origin = at - count / 2;
  if (origin <= 0 || at <= 1) origin = 1;
  if (origin + count > lines) origin = lines - count;
  return std::max(origin, 1);
}

}  // namespace

double Plot3DHeightMultiplier(double range) {
  if (!(range > 0) || !std::isfinite(range)) return 1.0;
  if (range > 2000) return 2000 / range;
  if (range < 300) return 300 / range;
  return 1.0;
}

Plot3DPlacement Plot3DInitialPlacement(int rowFrom, int rowTo, int colFrom, int colTo, int rows, int cols) {
  Plot3DPlacement place{};
  place.iOriginRow = std::max(rowFrom, 1);
  place.iOriginCol = std::max(colFrom, 1);
  // The middle of the range as an offset into the block, also for a range
  // one row high or one column wide.
  place.iFocusRow = std::clamp((rowTo - rowFrom) / 2, 0, std::max(rows - 1, 0));
  place.iFocusCol = std::clamp((colTo - colFrom) / 2, 0, std::max(cols - 1, 0));
  return place;
}

bool Plot3DScrollPlacement(int kind, int rowFrom, int rowTo, int colFrom, int colTo, int top, int left, bool vertical,
                           Plot3DPlacement* place) {
  *place = Plot3DPlacement{};
  const bool cell = rowFrom == rowTo && colFrom == colTo;
  if (kind == SELECT_COLUMNS) {
    if (!vertical) return false;
    place->iOriginRow = top, place->iOriginCol = colFrom;
  } else if (kind == SELECT_ROWS) {
    if (vertical) return false;
    place->iOriginRow = rowFrom, place->iOriginCol = left;
  } else if (cell) {
    place->iOriginRow = top, place->iOriginCol = left;
  } else {
    if (rowTo < top || colTo < left) return false;  // scrolled out of view
    place->iOriginRow = std::max(rowFrom, top), place->iOriginCol = std::max(colFrom, left);
  }
  place->iOriginRow = std::max(place->iOriginRow, 1);
  place->iOriginCol = std::max(place->iOriginCol, 1);
  return true;
}

Plot3DPlacement Plot3DBrowsePlacement(int browseRow, int browseCol, int tableRows, int tableCols, int rows, int cols) {
  Plot3DPlacement place{};
  place.iOriginRow = CentredOrigin(browseRow, tableRows, rows);
  place.iOriginCol = CentredOrigin(browseCol, tableCols, cols);
  place.iFocusRow = std::clamp(browseRow - place.iOriginRow, 0, std::max(rows - 1, 0));
  place.iFocusCol = std::clamp(browseCol - place.iOriginCol, 0, std::max(cols - 1, 0));
  return place;
}

int Plot3DTransferGrid(const TableDocument& t, Plot3DRecord& p, const Plot3DPlacement& place, int rows, int cols) {
  rows = std::clamp(rows, 1, PLOT3D_GRID);
  cols = std::clamp(cols, 1, PLOT3D_GRID);
  const int originRow = std::max(place.iOriginRow, 1);
  const int originCol = std::max(place.iOriginCol, 1);
  double largest = 0;
  double smallest = 0;
  std::string_view largestText;
  std::string_view smallestText;
  bool any = false;
  for (int g = 0; g < rows; ++g) {
    for (int h = 0; h < cols; ++h) {
      double value = 0;
      std::string_view text;
      if (!CellNumber(t, originRow + g, originCol + h, &value, &text)) continue;
      if (!any || value > largest) largest = value, largestText = text;
      if (!any || value < smallest) smallest = value, smallestText = text;
      any = true;
    }
  }
  if (!any) {
    p.bHasData = 0;
    return 1;
  }
  p.iDataMode = PLOT3D_MODE_GRID;
  p.iRows = rows;
  p.iCols = cols;
  p.iOriginRow = originRow;
  p.iOriginCol = originCol;
  p.iFocusRow = std::clamp(place.iFocusRow, 0, rows - 1);
  p.iFocusCol = std::clamp(place.iFocusCol, 0, cols - 1);
  const double o = Plot3DHeightMultiplier(largest - smallest);
  double high = largest * o;
  double low = smallest * o;
  double u = 0;
  if (high > 10000) {
    u = 10000 - high;
  } else if (low < -10000) {
    u = -10000 - low;
  }
  p.dMultiplier = o;
  p.dHighest = p.dPlotMax = high + u;
  p.dLowest = p.dPlotMin = low + u;
  CopyText(p.szMaxText, largestText);
  CopyText(p.szMinText, smallestText);
  for (int g = 0; g < PLOT3D_GRID; ++g) {
    for (int h = 0; h < PLOT3D_GRID; ++h) {
      p.nodeX[g][h] = h;
      p.nodeY[g][h] = g;
      p.nodeZ[g][h] = 0;
      const TableCell* cell = g < rows && h < cols ? TableCellAt(t, originRow + g, originCol + h) : nullptr;
      if (!cell) {
        p.nodeValid[g][h] = -1;
        p.nodeRgb[g][h] = {255, 255, 255};
        continue;
      }
      double value = 0;
      std::string_view text;
      if (CellNumber(t, originRow + g, originCol + h, &value, &text)) {
        p.nodeValid[g][h] = 1;
        p.nodeRgb[g][h] = CellRgb(*cell);
        p.nodeZ[g][h] = u + value * o;
      } else {
        p.nodeValid[g][h] = 0;
        p.nodeRgb[g][h] = {255, 255, 255};
      }
    }
  }
  p.bHasData = 1;
  p.bNewTransfer = 1;
  SetStatusTexts(t, p);
  return 0;
}

std::string Plot3DTitle(const Plot3DRecord& p) {
  if (p.szFocus[0] != 0) return std::string(TextOf(p.szFocus));
  return JoinText(TextOf(p.szPrefix), Text(TXT_PLOT3D_TITLE_STUDY), FormatInt(p.iOriginRow), Text(TXT_PLOT3D_TITLE_COL),
                  FormatInt(p.iOriginCol), ")");
}
