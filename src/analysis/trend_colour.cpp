#include "analysis/trend_colour.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "table/cell_store.h"
#include "table/cell_text.h"
#include "table/selection_states.h"
#include "table/table_extension.h"
#include "table/table_range.h"

namespace {

// A double as a colour component: finite, within lo..hi, truncated.
int Component(double value, int lo, int hi) {
  if (std::isnan(value)) return lo;
  return static_cast<int>(std::clamp(value, static_cast<double>(lo), static_cast<double>(hi)));
}

// The numbers of a table's used area, each cell read once; NaN where a
// cell holds no number and outside the area.
class NumberGrid {
 public:
  explicit NumberGrid(const TableDocument& t)
      : rows_(std::max(std::min(t.iUsedRows, t.iRows), 1)), cols_(std::max(std::min(t.iUsedCols, t.iCols), 1)) {
    values_.assign(static_cast<std::size_t>(rows_) * cols_, std::numeric_limits<double>::quiet_NaN());
    double value = 0;
    for (int row = 1; row < rows_; ++row) {
      for (int col = 1; col < cols_; ++col) {
        if (TrendCellNumber(t, row, col, &value)) values_[Index(row, col)] = value;
      }
    }
  }
  // The number of a cell, or NaN.
  double At(int row, int col) const {
    if (row < 1 || col < 1 || row >= rows_ || col >= cols_) return std::numeric_limits<double>::quiet_NaN();
    return values_[Index(row, col)];
  }
  int Rows() const { return rows_; }
  int Cols() const { return cols_; }

 private:
  std::size_t Index(int row, int col) const { return static_cast<std::size_t>(row) * cols_ + col; }
  int rows_;
  int cols_;
  std::vector<double> values_;
};

// The smallest and largest number of rows r0..r1 and columns c0..c1; false
// when they hold none.
bool RangeExtremes(const NumberGrid& g, int r0, int r1, int c0, int c1, double* mn, double* mx) {
  bool any = false;
  for (int row = r0; row <= r1; ++row) {
    for (int col = c0; col <= c1; ++col) {
      const double value = g.At(row, col);
      if (std::isnan(value)) continue;
      if (!any || value < *mn) *mn = value;
      if (!any || value > *mx) *mx = value;
      any = true;
    }
  }
  return any;
}

// Colour the numbers of rows r0..r1 and columns c0..c1 against one scale.
void ColourBlock(TableDocument& t, const NumberGrid& g, int r0, int r1, int c0, int c1, const TrendScale& scale,
                 bool relief) {
  for (int row = r0; row <= r1; ++row) {
    for (int col = c0; col <= c1; ++col) {
      const double value = g.At(row, col);
      if (std::isnan(value)) continue;
      // The lower-right neighbour counts only inside the table.
      const double below = row + 1 < t.iRows && col + 1 < t.iCols ? g.At(row + 1, col + 1) : std::nan("");
      const HlsColour colour = TrendColour(value, scale, relief, std::isnan(below) ? nullptr : &below);
      if (TableCell* cell = TableCellAt(t, row, col)) SetCellTextColour(*cell, colour.iHue, colour.iLum, colour.iSat);
    }
  }
}

// Colour one range by the table's comparison mode.
void ColourRange(TableDocument& t, const NumberGrid& g, const TableRange& range, const TrendSettings& s) {
  const bool relief = s.iRelief == TREND_RELIEF_ON;
  TrendScale scale{0, 0, s.iHueStart, s.iHueEnd};
  if (s.iCompareMode == TREND_ROW) {
    for (int row = range.iRowFrom; row <= range.iRowTo; ++row) {
      if (RangeExtremes(g, row, row, range.iColFrom, range.iColTo, &scale.dMin, &scale.dMax)) {
        ColourBlock(t, g, row, row, range.iColFrom, range.iColTo, scale, relief);
      }
    }
  } else if (s.iCompareMode == TREND_COLUMN) {
    for (int col = range.iColFrom; col <= range.iColTo; ++col) {
      if (RangeExtremes(g, range.iRowFrom, range.iRowTo, col, col, &scale.dMin, &scale.dMax)) {
        ColourBlock(t, g, range.iRowFrom, range.iRowTo, col, col, scale, relief);
      }
    }
  } else if (RangeExtremes(g, range.iRowFrom, range.iRowTo, range.iColFrom, range.iColTo, &scale.dMin, &scale.dMax)) {
    ColourBlock(t, g, range.iRowFrom, range.iRowTo, range.iColFrom, range.iColTo, scale, relief);
  }
}

// The table's largest and smallest numbers and where they are, from the
// grid (as a rescan finds them: the last of equal ones).
void StoreExtremes(TableDocument& t, const NumberGrid& g) {
  bool any = false;
  for (int row = 1; row < g.Rows(); ++row) {
    for (int col = 1; col < g.Cols(); ++col) {
      const double value = g.At(row, col);
      if (std::isnan(value)) continue;
      if (!any || value >= t.dMaxValue) {
        t.dMaxValue = value;
        t.iMaxRow = row;
        t.iMaxCol = col;
      }
      if (!any || value <= t.dMinValue) {
        t.dMinValue = value;
        t.iMinRow = row;
        t.iMinCol = col;
      }
      any = true;
    }
  }
}

// The ranges to colour: the selection ranges when there are several or the
// one is more than a cell (data source 24), else the used area (25).
std::vector<TableRange> RangesToColour(TableDocument& t, TrendSettings& s) {
  std::vector<TableRange> ranges;
  TableRange single{};
  const bool oneCell = t.iSelCurrent <= 0 && (SelectionIsSingle(t, &single) != 1 ||
                                              (single.iRowFrom == single.iRowTo && single.iColFrom == single.iColTo));
  if (!oneCell) {
    const int last = std::clamp(t.iSelCurrent, 0, SELECTION_RANGES - 1);
    for (int i = 0; i <= last; ++i) {
      TableRange range{};
      if (TableGetRange(t, i, RANGES_SELECTION, &range) != 0) continue;
      range.iRowFrom = std::max(range.iRowFrom, 1);
      range.iColFrom = std::max(range.iColFrom, 1);
      range.iRowTo = std::min(range.iRowTo, t.iRows - 1);
      range.iColTo = std::min(range.iColTo, t.iCols - 1);
      if (range.iRowFrom <= range.iRowTo && range.iColFrom <= range.iColTo) ranges.push_back(range);
    }
  }
  if (ranges.empty()) {
    s.iDataSource = TREND_SOURCE_ALL;
    ranges.push_back({1, std::min(t.iUsedRows, t.iRows) - 1, 1, std::min(t.iUsedCols, t.iCols) - 1});
  } else {
    s.iDataSource = TREND_SOURCE_SELECTION;
  }
  s.ranges = ranges;
  return ranges;
}

}  // namespace

TrendSettings& TrendSettingsOf(TableDocument& t) {
  return TableExtensionOf<TrendSettings>(t, TableExtensionId::TrendColour);
}

const TrendSettings* TrendSettingsIf(const TableDocument& t) {
  return static_cast<const TrendSettings*>(TableExtensionGet(t, TableExtensionId::TrendColour));
}

double TrendStretch(const TrendScale& scale) {
  const double span = scale.dMax - scale.dMin;
  const double hues = scale.iHueEnd - scale.iHueStart;
  if (!(span > 0) || !std::isfinite(span) || span >= hues) return 1.0;
  return hues / span;
}

int TrendHue(double value, const TrendScale& scale) {
  const int lo = std::clamp(std::min(scale.iHueStart, scale.iHueEnd), 0, 240);
  const int hi = std::clamp(std::max(scale.iHueStart, scale.iHueEnd), 0, 240);
  const double span = scale.dMax - scale.dMin;
  // Equal extremes (one number, a constant row) take the hue of the minimum.
  if (!(span > 0) || !std::isfinite(span) || !std::isfinite(value)) return std::clamp(scale.iHueEnd, lo, hi);
  // The extremes themselves are pinned: truncation could move them a step.
  if (value >= scale.dMax) return std::clamp(scale.iHueStart, lo, hi);
  if (value <= scale.dMin) return std::clamp(scale.iHueEnd, lo, hi);
  const double hues = scale.iHueEnd - scale.iHueStart;
  const double steps = span >= hues ? (value - scale.dMin) / (span / hues) : (value - scale.dMin) * (hues / span);
  return Component(scale.iHueEnd - std::trunc(steps), lo, hi);
}

HlsColour TrendColour(double value, const TrendScale& scale, bool relief, const double* downRight) {
  HlsColour colour{TrendHue(value, scale), TREND_LIGHTNESS, TREND_SATURATION};
  if (!relief || !downRight) return colour;
  const double stretch = TrendStretch(scale);
  const double difference = std::trunc(std::fabs(value - *downRight));
  colour.iSat = TREND_SATURATION;
  colour.iLum = 100;
  if (value > *downRight) {
    colour.iSat = std::max(Component((TREND_SATURATION - difference) * stretch, 0, 240), 160);
  } else if (value < *downRight) {
    colour.iLum = std::min(Component((100 + difference) * stretch, 0, 240), 160);
  }
  return colour;
}

bool TrendCellNumber(const TableDocument& t, int row, int col, double* value) {
  const TableCell* cell = TableCellAt(t, row, col);
  if (!cell) return false;
  const std::string_view text = TextOf(cell->szText);
  if (text.empty() || CellIsText(text) != 0) return false;
  *value = TextToDouble(text);
  return true;
}

void TrendColourTable(TableDocument& t) {
  TrendSettings& s = TrendSettingsOf(t);
  const NumberGrid grid(t);
  for (int row = 1; row < grid.Rows(); ++row) {
    for (int col = 1; col < grid.Cols(); ++col) {
      if (std::isnan(grid.At(row, col))) continue;
      SetCellTextColour(*TableCellAt(t, row, col), TREND_NEUTRAL.iHue, TREND_NEUTRAL.iLum, TREND_NEUTRAL.iSat);
    }
  }
  StoreExtremes(t, grid);
  for (const TableRange& range : RangesToColour(t, s)) ColourRange(t, grid, range, s);
  t.iColourState = COLOUR_STATE_TREND;
}

int TrendStripStep(int width, int hueStart, int hueEnd) {
  const int hues = std::max(hueEnd - hueStart, 1);
  int step = width / hues;
  if (width % hues != 0) --step;
  return std::max(step, 1);
}
