#include "plots/chart_link.h"

#include <algorithm>
#include <cmath>

#include "platform/scrollbar.h"
#include "plots/chart_layout.h"
#include "plots/chart_load.h"
#include "plots/chart_notes.h"
#include "plots/chart_window.h"
#include "resources/command_ids.h"
#include "table/table_access.h"
#include "table/table_range.h"

namespace {

// Show the table's first visible row and column on its scroll bars and
// ask it to repaint.
void RefreshTable(WindowHandle table) {
  int top = 1;
  int left = 1;
  {
    TableLockGuard t(table);
    if (!t) return;
    top = t->iTopRow;
    left = t->iLeftCol;
  }
  SetScrollPos(table, SCROLLBAR_VERT, top);
  SetScrollPos(table, SCROLLBAR_HORZ, left);
  SendCommand(table, CMD_PLOT3D_TRACKED);
}

// The first point of any series that has an X coordinate.
int FirstXPoint(const ChartRecord& c) {
  int first = CHART_POINTS;
  for (int s = 0; s < c.seriesCount; ++s) {
    if (c.xRunStart[s] >= 0) first = std::min(first, c.xRunStart[s]);
  }
  return first;
}

// Add a range to a rebuilt selection. A range one line after the previous
// one, with the same bounds across, joins it: `alongRows` says the lines
// are rows (whole rows, or blocks drawn by row).
void AddRange(TableRecord& t, int* count, int kind, bool alongRows, int rowFrom, int rowTo, int colFrom, int colTo) {
  const int k = *count;
  if (k > 0 && t.selKind[k - 1] == kind) {
    if (alongRows && colFrom == t.selColFrom[k - 1] && colTo == t.selColTo[k - 1] && rowFrom == t.selRowTo[k - 1] + 1) {
      t.selRowTo[k - 1] = rowTo;
      return;
    }
    if (!alongRows && rowFrom == t.selRowFrom[k - 1] && rowTo == t.selRowTo[k - 1] && colFrom == t.selColTo[k - 1] + 1) {
      t.selColTo[k - 1] = colTo;
      return;
    }
  }
  if (k >= SELECTION_RANGES) return;
  t.selKind[k] = kind;
  t.selRowFrom[k] = rowFrom;
  t.selRowTo[k] = rowTo;
  t.selColFrom[k] = colFrom;
  t.selColTo[k] = colTo;
  ++*count;
}

}  // namespace

void ChartFollowTable(ChartRecord& c, const TableRecord& t, int bar) {
  const bool byColumn = ChartByColumn(c);
  const bool along = byColumn ? bar == SCROLLBAR_VERT : bar == SCROLLBAR_HORZ;
  if (!along) return;
  const int line = byColumn ? t.iTopRow : t.iLeftCol;
  if (!c.xAxisActive) {
    c.highlightNumber = line;
    c.firstVisible = std::clamp(line - 1, 0, std::max(c.iScrollMax, 0));
    return;
  }
  const int index = line - 1;
  if (index < FirstXPoint(c) || index >= CHART_POINTS) return;
  for (int s = 0; s < c.seriesCount; ++s) {
    if (!PointIsValid(c, s, index) || c.xCoordFlag[s][index] != 'Y') continue;
    const double distance = (c.xCoord[s][index] - c.dXAxisMin) / ChartXUnit(c);
    const int steps = static_cast<int>(std::floor(distance));
    c.firstVisible = std::clamp(steps, 0, std::max(c.iScrollMax, 0));
    c.highlightNumber = steps + 1;
    return;
  }
  c.highlightNumber = 0;
  c.highlightShown = 0;
  c.firstVisible = std::max(c.iScrollMax, 0);
}

void ChartCellOfPoint(const ChartRecord& c, const TableDocument& t, int s, int i, int* row, int* col) {
  if (c.chartKind == CHART_KIND_PIE && i >= 0 && i < c.sliceCount) {
    *row = c.sliceRow[i];
    *col = c.sliceCol[i];
  } else if (ChartByColumn(c)) {
    *row = i + 1;
    *col = ChartSeriesNumber(c, s);
  } else {
    *row = ChartSeriesNumber(c, s);
    *col = i + 1;
  }
  *row = std::clamp(*row, 1, std::max(t.iRows - 1, 1));
  *col = std::clamp(*col, 1, std::max(t.iCols - 1, 1));
}

void ChartMoveTableCell(TableRecord& t, int row, int col) {
  ResetSelection(t);
  t.selKind[0] = SELECT_BLOCK;
  t.selRowFrom[0] = t.selRowTo[0] = row;
  t.selColFrom[0] = t.selColTo[0] = col;
  t.iEditRow = row;
  t.iEditCol = col;
  t.iTopRow = row <= 3 ? 1 : row - 3;
  t.iLeftCol = col <= 3 ? 1 : col - 3;
}

bool ChartSelectInTable(const ChartRecord& c, TableRecord& t) {
  const bool byColumn = ChartByColumn(c);
  int reference = 0;
  if (!c.xAxisActive) {
    reference = c.firstVisible + 1;
  } else {
    const double unit = ChartXUnit(c);
    const double from = c.dXAxisMin + c.firstVisible * unit;
    bool found = false;
    for (int s = 0; s < c.seriesCount && !found; ++s) {
      for (int i = 0; i < c.pointCount[s] && !found; ++i) {
        if (!PointIsValid(c, s, i) || c.xCoordFlag[s][i] != 'Y') continue;
        if (c.xCoord[s][i] < from || c.xCoord[s][i] >= from + unit) continue;
        int row = 0;
        int col = 0;
        ChartCellOfPoint(c, t, s, i, &row, &col);
        reference = byColumn ? row : col;
        found = true;
      }
    }
    if (!found) return false;
  }
  int count = 0;
  int smallest = 0;
  int firstAbsent = 0;
  for (int s = 0; s < c.seriesCount; ++s) {
    const int number = ChartSeriesNumber(c, s);
    if (number < 1) continue;
    if (smallest == 0 || number < smallest) smallest = number;
    if (firstAbsent == 0 && !c.seriesPresent[s]) firstAbsent = number;
    if (c.selectionKind == SELECT_COLUMNS) {
      AddRange(t, &count, SELECT_COLUMNS, false, 1, t.iRows - 1, number, number);
    } else if (c.selectionKind == SELECT_ROWS) {
      AddRange(t, &count, SELECT_ROWS, true, number, number, 1, t.iCols - 1);
    } else {
      int first = 0;
      while (first < c.pointCount[s] && !PointIsValid(c, s, first)) ++first;
      if (first >= c.pointCount[s]) continue;
      const int last = std::min(c.pointCount[s] - 1, (byColumn ? t.iRows : t.iCols) - 1);
      if (byColumn) {
        AddRange(t, &count, SELECT_BLOCK, false, first + 1, last, number, number);
      } else {
        AddRange(t, &count, SELECT_BLOCK, true, number, number, first + 1, last);
      }
    }
  }
  if (count == 0) return false;
  t.iSelCurrent = count - 1;
  const int across = c.highlightNewSeries && firstAbsent > 0 ? firstAbsent : smallest;
  const int rows = std::max(t.iRows - 1, 1);
  const int cols = std::max(t.iCols - 1, 1);
  if (byColumn) {
    t.iTopRow = std::clamp(reference, 1, rows);
    t.iLeftCol = std::clamp(across, 1, cols);
  } else {
    t.iLeftCol = std::clamp(reference, 1, cols);
    t.iTopRow = std::clamp(across, 1, rows);
  }
  return true;
}

void ChartTrackTable(WindowHandle hwnd) {
  ChartRecord* c = ChartOf(hwnd);
  if (!c || !c->layoutValid) return;
  {
    TableLockGuard t(c->sourceTable);
    if (!t || !ChartTrackCell(*c, *t.get())) return;
  }
  ChartLayoutWindow(hwnd);
  ChartRepaint(hwnd);
}

void ChartRightDrag(WindowHandle hwnd, int x, int y) {
  ChartRecord* c = ChartOf(hwnd);
  if (!c) return;
  c->bRightDragging = 1;
  if (c->iNoteKind == NOTE_X_TITLE || c->iNoteKind == NOTE_Y_TITLE) return;
  int s = 0;
  int i = 0;
  if (!ChartHitPoint(*c, x, y, &s, &i)) return;
  const WindowHandle table = c->sourceTable;
  {
    TableLockGuard t(table);
    if (!t) return;
    int row = 0;
    int col = 0;
    ChartCellOfPoint(*c, *t.get(), s, i, &row, &col);
    ChartMoveTableCell(*t.get(), row, col);
  }
  RefreshTable(table);
}

void ChartScrollTable(WindowHandle hwnd) {
  ChartRecord* c = ChartOf(hwnd);
  if (!c || c->bRightDragging) return;
  const WindowHandle table = c->sourceTable;
  {
    TableLockGuard t(table);
    if (!t || !ChartSelectInTable(*c, *t.get())) return;
  }
  RefreshTable(table);
}
