#include "plots/chart_load.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "plots/plot_cells.h"
#include "plots/plot_coordinates.h"
#include "plots/plot_table_state.h"
#include "table/cell_store.h"
#include "table/table_range.h"

namespace {

// Series a range may give: 29, or all 30 when it holds exactly 30 lines.
int SeriesLimit(int lines) { return lines == CHART_SERIES ? CHART_SERIES : std::min(lines, CHART_SERIES - 1); }
// Points a run may give: 15,009, or all 15,010 when it is exactly that long.
int PointLimit(int cells) { return cells == CHART_POINTS ? CHART_POINTS : std::min(cells, CHART_POINTS - 1); }

int RangeCount(const TableDocument& t) { return std::clamp(t.iSelCurrent, 0, SELECTION_RANGES - 1) + 1; }

// Store point `index` of series `s` from table cell (row, col); true when it
// holds a number.
bool LoadPoint(ChartRecord& c, const TableDocument& t, int s, int index, int row, int col) {
  if (index < 0 || index >= CHART_POINTS) {
    ++c.iDroppedPoints;
    return false;
  }
  double value = 0.0;
  const TableCell* cell = TableCellAt(t, row, col);
  const bool number = cell && PlotCellNumber(t, row, col, &value);
  if (number) {
    c.pointValid[s][index] = 'Y';
    CopyText(c.pointText[s][index], TextOf(cell->szText));
    c.loadedValue[s][index] = value;
    c.shownValue[s][index] = value;
  }
  const CellCoordinates k = CoordinatesOfCell(t, row, col);
  if (k.found[COORD_X]) {
    c.xCoordFlag[s][index] = 'Y';
    c.xCoord[s][index] = k.value[COORD_X];
    c.xCoordDecl[s][index] = k.slot[COORD_X];
  }
  if (k.found[COORD_Y]) {
    c.yCoordFlag[s][index] = 'Y';
    c.yCoord[s][index] = k.value[COORD_Y];
    c.yCoordDecl[s][index] = k.slot[COORD_Y];
  }
  if (k.bCovered) c.chartKind = CHART_KIND_SCATTER;
  return number;
}

void NameSeries(ChartRecord& c, int s, int number) { CopyText(c.seriesName[s], FormatInt(number)); }

// The drawing mode of a block: asked for a block of several rows and
// columns, else by its shape.
int BlockMode(const TableRange& r, int modeAnswer) {
  if (r.iRowFrom != r.iRowTo && r.iColFrom != r.iColTo) return modeAnswer == DRAW_BY_ROW ? DRAW_BY_ROW : DRAW_BY_COLUMN;
  return r.iColFrom == r.iColTo ? DRAW_BY_COLUMN : DRAW_BY_ROW;
}

// A single selected cell becomes its whole row or column.
void WidenSingleCell(ChartRecord& c, TableRecord& t, int modeAnswer) {
  TableRange r{};
  if (t.iSelCurrent != 0 || t.selKind[0] != SELECT_BLOCK || TableGetRange(t, 0, RANGES_SELECTION, &r) != 0) return;
  if (r.iRowFrom != r.iRowTo || r.iColFrom != r.iColTo || r.iRowFrom < 1 || r.iColFrom < 1) return;
  const int row = r.iRowFrom;
  const int col = r.iColFrom;
  c.drawingMode = modeAnswer == DRAW_BY_ROW ? DRAW_BY_ROW : DRAW_BY_COLUMN;
  if (c.drawingMode == DRAW_BY_ROW) {
    t.selKind[0] = SELECT_ROWS;
    t.selRowFrom[0] = t.selRowTo[0] = row;
    t.selColFrom[0] = 1;
    t.selColTo[0] = std::max(t.iUsedCols - 1, 1);
    c.highlightNumber = col;
  } else {
    t.selKind[0] = SELECT_COLUMNS;
    t.selColFrom[0] = t.selColTo[0] = col;
    t.selRowFrom[0] = 1;
    t.selRowTo[0] = std::max(t.iUsedRows - 1, 1);
    c.highlightNumber = row;
  }
  c.selectionKind = t.selKind[0];
  c.highlightShown = 1;
}

// Load one selection range as series from slot `first`; the slot after
// the last one used.
int LoadRange(ChartRecord& c, TableRecord& t, int index, int first, int modeAnswer, int* smallestFirst) {
  TableRange r{};
  if (TableGetRange(t, index, RANGES_SELECTION, &r) != 0) return first;
  r.iRowFrom = std::max(r.iRowFrom, 1);
  r.iColFrom = std::max(r.iColFrom, 1);
  const int kind = t.selKind[index];
  int mode = c.drawingMode;
  bool whole = true;
  if (kind == SELECT_COLUMNS) {
    mode = DRAW_BY_COLUMN;
    c.firstVisible = std::max(t.iTopRow - 1, 0);
    r.iRowFrom = 1;
    r.iRowTo = t.iUsedRows - 1;
  } else if (kind == SELECT_ROWS) {
    mode = DRAW_BY_ROW;
    c.firstVisible = std::max(t.iLeftCol - 1, 0);
    r.iColFrom = 1;
    r.iColTo = t.iUsedCols - 1;
  } else {
    whole = false;
    if (!c.modeAsked) {
      c.modeAsked = 1;
      PlotStateOf(t).iDrawingMode = BlockMode(r, modeAnswer);
    }
    mode = PlotStateOf(t).iDrawingMode;
  }
  c.drawingMode = mode;
  const bool byColumn = mode == DRAW_BY_COLUMN;
  // Series run across, points along.
  const int seriesFrom = byColumn ? r.iColFrom : r.iRowFrom;
  const int seriesLines = (byColumn ? r.iColTo - r.iColFrom : r.iRowTo - r.iRowFrom) + 1;
  const int pointFrom = byColumn ? r.iRowFrom : r.iColFrom;
  const int pointCells = (byColumn ? r.iRowTo - r.iRowFrom : r.iColTo - r.iColFrom) + 1;
  c.maxRows = std::max(c.maxRows, r.iRowTo - r.iRowFrom + 1);
  c.maxColumns = std::max(c.maxColumns, r.iColTo - r.iColFrom + 1);
  if (!whole) *smallestFirst = std::min(*smallestFirst, pointFrom - 1);
  if (pointCells <= 0 || seriesLines <= 0) return first;
  const int lines = SeriesLimit(seriesLines);
  const int cells = PointLimit(pointCells);
  int s = first;
  for (int k = 0; k < lines; ++k, ++s) {
    if (s >= CHART_SERIES) {
      c.iDroppedSeries += lines - k;
      break;
    }
    ChartClearSeries(c, s);
    const int line = seriesFrom + k;
    NameSeries(c, s, line);
    c.seriesPresent[s] = 1;
    for (int p = 0; p < cells; ++p) {
      const int at = pointFrom + p;
      const bool number = LoadPoint(c, t, s, at - 1, byColumn ? at : line, byColumn ? line : at);
      if (!whole && k == 0 && p == 0 && number) {
        c.highlightSeries = s;
        c.highlightIndex = at - 1;
      }
    }
    const int end = pointFrom + cells - 1;  // the last point's line
    c.pointCount[s] = std::min(whole ? end : end + 1, CHART_POINTS);
  }
  return s;
}

}  // namespace

bool ChartLoadAsksMode(TableDocument& t) {
  for (int i = 0; i < RangeCount(t); ++i) {
    if (t.selKind[i] != SELECT_BLOCK) continue;
    TableRange r{};
    if (TableGetRange(t, i, RANGES_SELECTION, &r) != 0) continue;
    const bool oneCell = r.iRowFrom == r.iRowTo && r.iColFrom == r.iColTo;
    if (oneCell && RangeCount(t) == 1) return true;
    if (r.iRowFrom != r.iRowTo && r.iColFrom != r.iColTo) return true;
  }
  return false;
}

void ChartClearSeries(ChartRecord& c, int s) {
  c.pointValid[s].fill('N');
  c.xCoordFlag[s].fill(0);
  c.yCoordFlag[s].fill(0);
  c.seriesName[s].fill(0);
  c.pointCount[s] = 0;
  c.seriesPresent[s] = 0;
  c.fitValid[s] = 0;
}

void ChartMoveSeries(ChartRecord& c, int from, int to) {
  if (from == to) return;
  c.pointValid[to] = c.pointValid[from];
  c.seriesName[to] = c.seriesName[from];
  c.pointText[to] = c.pointText[from];
  c.loadedValue[to] = c.loadedValue[from];
  c.shownValue[to] = c.shownValue[from];
  c.xCoordFlag[to] = c.xCoordFlag[from];
  c.yCoordFlag[to] = c.yCoordFlag[from];
  c.xCoordDecl[to] = c.xCoordDecl[from];
  c.yCoordDecl[to] = c.yCoordDecl[from];
  c.xCoord[to] = c.xCoord[from];
  c.yCoord[to] = c.yCoord[from];
  c.pointCount[to] = c.pointCount[from];
  c.seriesPresent[to] = c.seriesPresent[from];
  c.fitValid[to] = c.fitValid[from];
  c.fitSlope[to] = c.fitSlope[from];
  c.fitIntercept[to] = c.fitIntercept[from];
  for (int n = 0; n < CHART_NOTES; ++n) {
    if (c.noteUsed[n] && c.noteSeries[n] == from) c.noteSeries[n] = to;
  }
  ChartClearSeries(c, from);
}

void ChartLoadSeries(ChartRecord& c, TableRecord& t, int kind, int modeAnswer) {
  c.noteUsed.fill(0);
  for (int s = 0; s < CHART_SERIES; ++s) ChartClearSeries(c, s);
  c.highlightShown = 0;
  c.highlightNumber = 0;
  c.highlightSeries = 0;
  c.highlightIndex = 0;
  c.seriesCount = c.maxRows = c.maxColumns = c.firstVisible = 0;
  c.maxPointCount = 0;
  c.modeAsked = 0;
  c.iDroppedPoints = c.iDroppedSeries = 0;
  c.iTrackRow = c.iTrackCol = 0;
  c.chartKind = kind;
  c.selectionKind = t.selKind[0];
  if (RangeCount(t) == 1) WidenSingleCell(c, t, modeAnswer);
  int next = 0;
  int smallestFirst = CHART_POINTS;
  const int firstKind = t.selKind[0];
  for (int i = 0; i < RangeCount(t); ++i) {
    if (t.selKind[i] != firstKind || t.selRowFrom[i] == 0 || t.selColFrom[i] == 0) continue;
    if (firstKind != SELECT_COLUMNS && firstKind != SELECT_ROWS && firstKind != SELECT_BLOCK) continue;
    next = LoadRange(c, t, i, next, modeAnswer, &smallestFirst);
    for (int s = 0; s < std::min(next, CHART_SERIES); ++s) c.maxPointCount = std::max(c.maxPointCount, c.pointCount[s]);
  }
  c.seriesCount = std::min(next, CHART_SERIES);
  if (firstKind == SELECT_BLOCK && smallestFirst < CHART_POINTS) c.firstVisible = smallestFirst;
  if (c.chartKind == CHART_KIND_BAR) c.stepPixels = std::max(c.stepPixels, 5 * c.seriesCount);
  ChartComputeStatistics(c);
  c.dataLoaded = 1;
}

int ChartTrackCell(ChartRecord& c, TableRecord& t) {
  const int row = t.iBrowseRow;
  const int col = t.iBrowseCol;
  if (row < 1 || col < 1 || (row == c.iTrackRow && col == c.iTrackCol)) return 0;
  t.iLastBrowseRow = row;
  t.iLastBrowseCol = col;
  // Compact the present series; notes of removed series go.
  int free = 0;
  for (int s = 0; s < CHART_SERIES; ++s) {
    if (!c.seriesPresent[s]) {
      for (int n = 0; n < CHART_NOTES; ++n) {
        if (c.noteUsed[n] && c.noteSeries[n] == s && c.chartKind != CHART_KIND_PIE) c.noteUsed[n] = 0;
      }
      ChartClearSeries(c, s);
      continue;
    }
    ChartMoveSeries(c, s, free);
    ++free;
  }
  if (free >= CHART_SERIES) {
    c.seriesCount = CHART_SERIES;
    return 0;  // every slot holds a kept series
  }
  c.iTrackRow = row;
  c.iTrackCol = col;
  const int s = free;
  ChartClearSeries(c, s);
  c.seriesCount = s + 1;
  const bool byColumn = ChartByColumn(c);
  const bool whole = c.selectionKind == SELECT_COLUMNS || c.selectionKind == SELECT_ROWS;
  const int line = byColumn ? col : row;
  const int at = byColumn ? row : col;
  const int span = byColumn ? c.maxRows : c.maxColumns;
  const int used = (byColumn ? t.iUsedRows : t.iUsedCols) - 1;
  int from = whole ? 1 : std::max(at - span / 2, 1);
  int count = whole ? used : span;
  count = PointLimit(std::max(count, 0));
  NameSeries(c, s, line);
  for (int p = 0; p < count; ++p) {
    const int cell = from + p;
    LoadPoint(c, t, s, cell - 1, byColumn ? cell : line, byColumn ? line : cell);
  }
  c.pointCount[s] = std::min(from + count - 1, CHART_POINTS);
  c.maxPointCount = std::max(c.maxPointCount, c.pointCount[s]);
  c.highlightNumber = at;
  c.highlightSeries = s;
  c.highlightIndex = at - 1;
  c.highlightShown = 1;
  if (c.highlightIndex < c.firstVisible || c.highlightIndex >= c.firstVisible + c.visibleCount) {
    c.firstVisible = std::clamp(c.highlightIndex - c.visibleCount / 2, 0, std::max(c.maxPointCount - 1, 0));
  }
  ChartComputeStatistics(c);
  return 1;
}

void ChartComputeStatistics(ChartRecord& c) {
  c.dMaxValue = CHART_RANGE_START_MAX;
  c.dMinValue = CHART_RANGE_START_MIN;
  bool anyX = false;
  for (int s = 0; s < c.seriesCount; ++s) {
    c.xMax[s] = c.yMax[s] = -1e300;
    c.xMin[s] = c.yMin[s] = 1e300;
    for (int i = 0; i < c.pointCount[s]; ++i) {
      if (PointIsValid(c, s, i)) {
        c.dMaxValue = std::max(c.dMaxValue, c.shownValue[s][i]);
        c.dMinValue = std::min(c.dMinValue, c.shownValue[s][i]);
      }
      if (c.xCoordFlag[s][i] == 'Y') {
        anyX = true;
        c.xMax[s] = std::max(c.xMax[s], c.xCoord[s][i]);
        c.xMin[s] = std::min(c.xMin[s], c.xCoord[s][i]);
      }
      if (c.yCoordFlag[s][i] == 'Y') {
        c.yMax[s] = std::max(c.yMax[s], c.yCoord[s][i]);
        c.yMin[s] = std::min(c.yMin[s], c.yCoord[s][i]);
      }
    }
  }
  c.dMeanValue = (c.dMaxValue + c.dMinValue) / 2.0;
  if (!anyX) {
    c.minXDifference = 1.0;
    return;
  }
  c.minXDifference = 9999999.0;
  for (int s = 0; s < c.seriesCount; ++s) {
    int n = 0;
    for (int i = 0; i < c.pointCount[s]; ++i) {
      if (c.xCoordFlag[s][i] == 'Y') c.sortBuffer[n++] = c.xCoord[s][i];
    }
    // Sorted input stays n log n (no quadratic pivot choice).
    std::sort(c.sortBuffer.begin(), c.sortBuffer.begin() + n);
    for (int i = 1; i < n; ++i) {
      const double d = c.sortBuffer[i] - c.sortBuffer[i - 1];
      if (d > 0.0) c.minXDifference = std::min(c.minXDifference, d);
    }
  }
}
