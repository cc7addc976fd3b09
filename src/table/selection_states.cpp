#include "table/selection_states.h"

#include "table/cell_store.h"

int SelectionIsSingle(TableDocument& t, TableRange* range) {
  if (t.iSelCurrent != 0) return 0;
  const int kind = t.selKind[0];
  if (kind != SELECT_COLUMNS && kind != SELECT_ROWS && kind != SELECT_BLOCK) return 0;
  if (t.selRowFrom[0] == 0 || t.selColFrom[0] == 0) return 0;
  TableRange ordered{};
  if (TableGetRange(t, 0, RANGES_SELECTION, &ordered) != 0) return 0;
  if (range) *range = ordered;
  return 1;
}

int SelectionIsChangeable(TableDocument& t) {
  TableRange range{};
  if (!SelectionIsSingle(t, &range)) return 0;
  const bool oneCell = t.selKind[0] == SELECT_BLOCK && range.iRowFrom == range.iRowTo && range.iColFrom == range.iColTo;
  if (!oneCell) return 1;
  return CellIsPositionLocked(t, range.iRowFrom, range.iColFrom) || CellIsFormulaTarget(t, range.iRowFrom, range.iColFrom)
             ? 0
             : 1;
}

int CellIsPositionLocked(const TableDocument& t, int row, int col) {
  for (int k = 0; k < LOCK_SLOTS; ++k) {
    if (t.lockRowUsed[k] && t.lockRowIndex[k] == row) return 1;
    if (t.lockColUsed[k] && t.lockColIndex[k] == col) return 1;
  }
  return 0;
}

int CellIsFormulaTarget(const TableDocument& t, int row, int col) {
  const TableCell* cell = TableCellAt(t, row, col);
  if (!cell || CellFormulaSlot(*cell) < 0 || CellFormulaSlot(*cell) > FORMULA_SLOTS || t.iFormulaCount <= 0) return 0;
  return t.formulaSlots[static_cast<std::size_t>(CellFormulaSlot(*cell))].iState != FORMULA_FREE ? 1 : 0;
}

int SelectionIsCoordinateRun(TableDocument& t) {
  TableRange range{};
  if (!SelectionIsSingle(t, &range)) return 0;
  const int rows = range.iRowTo - range.iRowFrom + 1;
  const int cols = range.iColTo - range.iColFrom + 1;
  switch (t.selKind[0]) {
    case SELECT_COLUMNS:
      return cols == 1 && t.iUsedRows - 1 >= 3 ? 1 : 0;
    case SELECT_ROWS:
      return rows == 1 && t.iUsedCols - 1 >= 3 ? 1 : 0;
    default:
      return (rows == 1 && cols >= 3) || (cols == 1 && rows >= 3) ? 1 : 0;
  }
}
