#include "plots/plot_coordinates.h"

#include <algorithm>
#include <string_view>

#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "plots/plot_cells.h"
#include "table/cell_store.h"
#include "table/cell_text.h"
#include "table/selection_states.h"

namespace {

using Entry = std::array<std::int32_t, 10>;

// Whether rectangle a (rows a0..a1, columns a2..a3) and b overlap.
bool Overlaps(int rowFrom, int rowTo, int colFrom, int colTo, int bRowFrom, int bRowTo, int bColFrom, int bColTo) {
  return rowFrom <= bRowTo && bRowFrom <= rowTo && colFrom <= bColTo && bColFrom <= colTo;
}

// Whether a rectangle lies wholly inside another.
bool Inside(int rowFrom, int rowTo, int colFrom, int colTo, int bRowFrom, int bRowTo, int bColFrom, int bColTo) {
  return rowFrom >= bRowFrom && rowTo <= bRowTo && colFrom >= bColFrom && colTo <= bColTo;
}

bool InCells(const Entry& e, int rowFrom, int rowTo, int colFrom, int colTo, bool (*test)(int, int, int, int, int,
                                                                                           int, int, int)) {
  return test(rowFrom, rowTo, colFrom, colTo, e[DECL_ROW_FROM], e[DECL_ROW_TO], e[DECL_COL_FROM], e[DECL_COL_TO]);
}

bool InData(const Entry& e, int rowFrom, int rowTo, int colFrom, int colTo, bool (*test)(int, int, int, int, int, int,
                                                                                          int, int)) {
  return test(rowFrom, rowTo, colFrom, colTo, e[DECL_DATA_ROW_FROM], e[DECL_DATA_ROW_TO], e[DECL_DATA_COL_FROM],
              e[DECL_DATA_COL_TO]);
}

// The number of selection ranges (iSelCurrent is the last one's index).
int RangeCount(const TableDocument& t) { return std::clamp(t.iSelCurrent, 0, SELECTION_RANGES - 1) + 1; }

}  // namespace

int CoordinateRunOfSelection(TableDocument& t, CoordinateRun* run) {
  TableRange range{};
  if (!SelectionIsCoordinateRun(t) || !SelectionIsSingle(t, &range)) return 0;
  CoordinateRun found{};
  found.iRowFrom = range.iRowFrom;
  found.iRowTo = range.iRowTo;
  found.iColFrom = range.iColFrom;
  found.iColTo = range.iColTo;
  switch (t.selKind[0]) {
    case SELECT_COLUMNS:
      found.iRowTo = t.iUsedRows - 1;
      found.iOrientation = COORD_DOWN_COLUMN;
      break;
    case SELECT_ROWS:
      found.iColTo = t.iUsedCols - 1;
      found.iOrientation = COORD_ALONG_ROW;
      break;
    default:
      found.iOrientation = range.iColFrom == range.iColTo ? COORD_DOWN_COLUMN : COORD_ALONG_ROW;
  }
  for (int slot = 0; slot < COORD_SLOTS; ++slot) {
    const Entry& e = t.coordinateDecl[static_cast<std::size_t>(slot)];
    if (e[DECL_KIND] == COORD_NONE) continue;
    if (InCells(e, found.iRowFrom, found.iRowTo, found.iColFrom, found.iColTo, Overlaps) ||
        InData(e, found.iRowFrom, found.iRowTo, found.iColFrom, found.iColTo, Overlaps)) {
      return 0;
    }
  }
  if (run) *run = found;
  return 1;
}

int CoordinatePendingSet(TableDocument& t, int kind) {
  if (kind < COORD_X || kind > COORD_Z) return -1;
  CoordinateRun run{};
  if (!CoordinateRunOfSelection(t, &run)) return -1;
  Entry& pending = t.coordinateDecl[COORD_PENDING];
  pending.fill(0);
  pending[DECL_KIND] = kind;
  pending[DECL_ORIENTATION] = run.iOrientation;
  pending[DECL_ROW_FROM] = run.iRowFrom;
  pending[DECL_ROW_TO] = run.iRowTo;
  pending[DECL_COL_FROM] = run.iColFrom;
  pending[DECL_COL_TO] = run.iColTo;
  return 0;
}

int CoordinatePendingKind(const TableDocument& t) { return t.coordinateDecl[COORD_PENDING][DECL_KIND]; }

void CoordinatePendingClear(TableDocument& t) { t.coordinateDecl[COORD_PENDING][DECL_KIND] = COORD_NONE; }

int CoordinatePickingKind(TableDocument& t) {
  const int kind = CoordinatePendingKind(t);
  if (kind == COORD_NONE) return COORD_NONE;
  TableRange range{};
  const bool oneCell = t.iSelCurrent == 0 && TableGetRange(t, 0, RANGES_SELECTION, &range) == 0 &&
                       t.selKind[0] == SELECT_BLOCK && range.iRowFrom == range.iRowTo &&
                       range.iColFrom == range.iColTo;
  return oneCell ? COORD_NONE : kind;
}

int CoordinateStoreData(TableDocument& t) {
  const Entry pending = t.coordinateDecl[COORD_PENDING];
  CoordinatePendingClear(t);
  if (pending[DECL_KIND] == COORD_NONE) return 0;
  int stored = 0;
  for (int i = 0; i < RangeCount(t); ++i) {
    TableRange range{};
    if (TableGetRange(t, i, RANGES_SELECTION, &range) != 0) continue;
    if (t.selRowFrom[static_cast<std::size_t>(i)] == 0 || t.selColFrom[static_cast<std::size_t>(i)] == 0) continue;
    const int kind = t.selKind[static_cast<std::size_t>(i)];
    if (kind == SELECT_COLUMNS) range.iRowTo -= 1;
    if (kind == SELECT_ROWS) range.iColTo -= 1;
    if (range.iRowFrom == range.iRowTo && range.iColFrom == range.iColTo) continue;
    if (range.iRowTo < range.iRowFrom || range.iColTo < range.iColFrom) continue;
    for (int slot = 0; slot < COORD_SLOTS; ++slot) {
      Entry& e = t.coordinateDecl[static_cast<std::size_t>(slot)];
      if (e[DECL_KIND] != COORD_NONE) continue;
      e = pending;
      e[DECL_DATA_ROW_FROM] = range.iRowFrom;
      e[DECL_DATA_ROW_TO] = range.iRowTo;
      e[DECL_DATA_COL_FROM] = range.iColFrom;
      e[DECL_DATA_COL_TO] = range.iColTo;
      ++stored;
      break;
    }
  }
  return stored;
}

int SelectionHasCoordinate(TableDocument& t) {
  TableRange r{};
  if (!SelectionIsSingle(t, &r)) return 0;
  for (int slot = 0; slot < COORD_SLOTS; ++slot) {
    const Entry& e = t.coordinateDecl[static_cast<std::size_t>(slot)];
    if (e[DECL_KIND] == COORD_NONE) continue;
    if (InCells(e, r.iRowFrom, r.iRowTo, r.iColFrom, r.iColTo, Inside) ||
        InData(e, r.iRowFrom, r.iRowTo, r.iColFrom, r.iColTo, Inside)) {
      return 1;
    }
  }
  return 0;
}

int CoordinateRemoveForSelection(TableDocument& t) {
  TableRange r{};
  if (!SelectionIsSingle(t, &r)) return 0;
  int freed = 0;
  for (int slot = 0; slot < COORD_SLOTS; ++slot) {
    Entry& e = t.coordinateDecl[static_cast<std::size_t>(slot)];
    if (e[DECL_KIND] == COORD_NONE) continue;
    if (InCells(e, r.iRowFrom, r.iRowTo, r.iColFrom, r.iColTo, Inside) ||
        InData(e, r.iRowFrom, r.iRowTo, r.iColFrom, r.iColTo, Inside)) {
      e.fill(0);
      ++freed;
    }
  }
  return freed;
}

CellCoordinates CoordinatesOfCell(const TableDocument& t, int row, int col) {
  CellCoordinates result;
  std::array<int, 4> winner{-1, -1, -1, -1};
  for (int slot = 0; slot < COORD_SLOTS; ++slot) {
    const Entry& e = t.coordinateDecl[static_cast<std::size_t>(slot)];
    const int kind = e[DECL_KIND];
    if (kind < COORD_X || kind > COORD_Z) continue;
    if (row < e[DECL_DATA_ROW_FROM] || row > e[DECL_DATA_ROW_TO] || col < e[DECL_DATA_COL_FROM] ||
        col > e[DECL_DATA_COL_TO]) {
      continue;
    }
    winner[static_cast<std::size_t>(kind)] = slot;
    result.bCovered = 1;
  }
  for (int kind = COORD_X; kind <= COORD_Z; ++kind) {
    const int slot = winner[static_cast<std::size_t>(kind)];
    if (slot < 0) continue;
    const Entry& e = t.coordinateDecl[static_cast<std::size_t>(slot)];
    const int cellRow = e[DECL_ORIENTATION] == COORD_DOWN_COLUMN ? row : e[DECL_ROW_FROM];
    const int cellCol = e[DECL_ORIENTATION] == COORD_DOWN_COLUMN ? e[DECL_COL_FROM] : col;
    double value = 0.0;
    if (!PlotCellNumber(t, cellRow, cellCol, &value)) continue;
    result.found[static_cast<std::size_t>(kind)] = 1;
    result.value[static_cast<std::size_t>(kind)] = value;
    result.slot[static_cast<std::size_t>(kind)] = slot;
  }
  return result;
}

int TableHasCoordinates(const TableDocument& t) {
  for (int slot = 0; slot < COORD_SLOTS; ++slot) {
    if (t.coordinateDecl[static_cast<std::size_t>(slot)][DECL_KIND] != COORD_NONE) return 1;
  }
  return 0;
}

int SelectionIsCoordinateMode(TableDocument& t) {
  TableRange r{};
  if (!SelectionIsSingle(t, &r)) return 0;
  bool inData = false;
  bool xNear = false;
  bool yNear = false;
  for (int slot = 0; slot < COORD_SLOTS; ++slot) {
    const Entry& e = t.coordinateDecl[static_cast<std::size_t>(slot)];
    const int kind = e[DECL_KIND];
    if (kind == COORD_NONE) continue;
    const bool rows = r.iRowFrom <= e[DECL_DATA_ROW_TO] && e[DECL_DATA_ROW_FROM] <= r.iRowTo;
    const bool cols = r.iColFrom <= e[DECL_DATA_COL_TO] && e[DECL_DATA_COL_FROM] <= r.iColTo;
    if (rows && cols) inData = true;
    if (kind == COORD_X && (rows || cols)) xNear = true;
    if (kind == COORD_Y && (rows || cols)) yNear = true;
  }
  return inData && xNear && yNear ? 1 : 0;
}
