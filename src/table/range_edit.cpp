#include "table/range_edit.h"

#include <algorithm>

#include "platform/cursor.h"
#include "platform/notices.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "table/cell_store.h"
#include "table/long_text.h"
#include "table/table_access.h"
#include "table/table_editor.h"
#include "table/table_input_hooks.h"
#include "table/table_select.h"
#include "table/table_window.h"

namespace {

// The steps every range command takes first: the editor's text is stored,
// the formula references are no longer shown.
void BeginRangeCommand(WindowHandle hwnd) {
  EditorCommand(hwnd, EDITOR_COMMIT_CLOSE);
  if (TableLockGuard t(hwnd); t) t->bShowRefs = 0;
}

// No edit cell and no current range: the lines they named have moved or
// gone.
void ForgetEditCellAndRange(TableDocument& t) {
  t.iEditRow = t.iEditCol = 0;
  t.selRowFrom[0] = t.selRowTo[0] = t.selColFrom[0] = t.selColTo[0] = 0;
}

// After cells moved: no edit cell and no current range, the formulas run
// once, the menus follow and the table shows it.
void EndStructuralChange(WindowHandle hwnd) {
  if (TableLockGuard t(hwnd); t) {
    ForgetEditCellAndRange(*t.get());
    RecalcUsedExtent(*t.get());
  }
  if (TableHooks().pfnRecalcAll) TableHooks().pfnRecalcAll(hwnd);
  RefreshTableStates(hwnd);
  TableRepaint(hwnd);
}

// Charts' coordinate declarations name columns and rows that are about to
// move: they are all dropped.
void ClearCoordinateDeclarations(TableDocument& t) {
  for (auto& declaration : t.coordinateDecl) declaration.fill(0);
}

// Write the whole-table back-up an insert or delete can be undone with.
void BackupWholeTable(WindowHandle hwnd) {
  if (TableHooks().pfnUndoSave) TableHooks().pfnUndoSave(hwnd, UNDO_TABLE_CURRENT_EXTENT);
}

void WriteLabel(TableCell& cell, char letter, int number) {
  cell.szText[0] = letter;
  TextCopyTo(cell.szText.data() + 1, cell.szText.size() - 1, FormatInt(number));
}

// Empty the cells of `range` (rows below iUsedRows for whole columns,
// columns below iUsedCols for whole rows); formulas aimed at them go first.
void EmptyCells(WindowHandle hwnd, const TableRange& range, int kind) {
  TableLockGuard t(hwnd);
  if (!t) return;
  const int rowTo = kind == SELECT_COLUMNS ? std::min(range.iRowTo, t->iUsedRows - 1) : range.iRowTo;
  const int colTo = kind == SELECT_ROWS ? std::min(range.iColTo, t->iUsedCols - 1) : range.iColTo;
  for (int row = std::max(range.iRowFrom, 1); row <= rowTo; ++row) {
    for (int col = std::max(range.iColFrom, 1); col <= colTo; ++col) {
      TableCell* cell = TableCellAt(*t.get(), row, col);
      if (!cell) continue;
      if (CellFormulaSlot(*cell) >= 0 && TableHooks().pfnRemoveFormula) TableHooks().pfnRemoveFormula(hwnd, row, col);
      if (cell->szText[0] != '\0') TableStoreCellText(*t.get(), row, col, "");
    }
  }
}

// Empty the range's cells and give its rows or columns their plain labels
// back; the table counts as changed.
void EmptyRange(WindowHandle hwnd, const TableRange& range, int kind) {
  EmptyCells(hwnd, range, kind);
  TableLockGuard t(hwnd);
  if (!t) return;
  t->bModified = 1;
  const bool rows = kind != SELECT_COLUMNS;
  const bool cols = kind != SELECT_ROWS;
  ResetHeaderLabels(*t.get(), rows ? range.iRowFrom : 0, rows ? range.iRowTo : -1, cols ? range.iColFrom : 0,
                    cols ? range.iColTo : -1);
}

// Move the cells of rows 1..rows-1 in columns first..last (in the order
// that never overwrites a cell still to move) by `shift` columns.
void MoveColumns(TableDocument& t, int first, int last, int shift) {
  const int rows = std::min(t.iUsedRows, t.iRows);
  if (shift > 0) {
    for (int col = last; col >= first; --col) {
      for (int row = 1; row < rows; ++row) MoveCell(t, row, col + shift, row, col);
    }
  } else {
    for (int col = first; col <= last; ++col) {
      for (int row = 1; row < rows; ++row) MoveCell(t, row, col + shift, row, col);
    }
  }
}

void MoveRows(TableDocument& t, int first, int last, int shift) {
  const int cols = std::min(t.iUsedCols, t.iCols);
  if (shift > 0) {
    for (int row = last; row >= first; --row) {
      for (int col = 1; col < cols; ++col) MoveCell(t, row + shift, col, row, col);
    }
  } else {
    for (int row = first; row <= last; ++row) {
      for (int col = 1; col < cols; ++col) MoveCell(t, row + shift, col, row, col);
    }
  }
}

// The formulas follow the lines that move.
void ShiftFormulas(WindowHandle hwnd, char bar, int at, int count) {
  if (TableHooks().pfnShiftFormulaLines) TableHooks().pfnShiftFormulaLines(hwnd, bar, at, count);
}

}  // namespace

int MoveCell(TableDocument& t, int toRow, int toCol, int fromRow, int fromCol) {
  TableCell* to = TableCellAt(t, toRow, toCol);
  TableCell* from = TableCellAt(t, fromRow, fromCol);
  if (!to || !from || toRow < 1 || toCol < 1 || fromRow < 1 || fromCol < 1) return -1;
  if (to == from) return 0;
  // A long text keeps its pool slot: only the reference moves.
  if (IsLongTextRef(TextOf(to->szText)) == 1) LongTextRelease(t, TextOf(to->szText));
  to->szText = from->szText;
  ClearText(from->szText);
  SetCellStyle(*to, CellStyle(*from));
  SetCellStyle(*from, STYLE_AUTOMATIC);
  t.rowHeight[toRow] = t.rowHeight[fromRow];
  t.colWidth[toCol] = t.colWidth[fromCol];
  to->iBorderStyle = from->iBorderStyle;
  to->iBorderRed = from->iBorderRed;
  to->iBorderGreen = from->iBorderGreen;
  to->iBorderBlue = from->iBorderBlue;
  to->iFillOn = from->iFillOn;
  to->iFillRed = from->iFillRed;
  to->iFillGreen = from->iFillGreen;
  to->iFillBlue = from->iFillBlue;
  to->iRefMark = from->iRefMark;
  from->iBorderStyle = 0;
  from->iFillOn = 0;
  from->iRefMark = 0;
  if (to->szText[0] != '\0') {
    if (t.iUsedRows < toRow + 1 && t.iUsedRows < t.iRows) t.iUsedRows = toRow + 1;
    if (t.iUsedCols < toCol + 1 && t.iUsedCols < t.iCols) t.iUsedCols = toCol + 1;
  }
  return 0;
}

void RecalcUsedExtent(TableDocument& t) {
  int lastRow = 0;
  int lastCol = 0;
  const int rows = std::min(t.iUsedRows, t.iRows);
  const int cols = std::min(t.iUsedCols, t.iCols);
  for (int row = 1; row < rows; ++row) {
    const TableCell* line = &t.cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(t.iCols)];
    for (int col = 1; col < cols; ++col) {
      if (line[col].szText[0] == '\0') continue;
      lastRow = row;
      lastCol = std::max(lastCol, col);
    }
  }
  if (lastRow == 0) {
    t.iUsedRows = t.iUsedCols = 1;
  } else {
    if (lastRow + 1 != t.iUsedRows && t.iUsedRows < t.iRows) t.iUsedRows = lastRow + 1;
    if (lastCol + 1 != t.iUsedCols && t.iUsedCols < t.iCols) t.iUsedCols = lastCol + 1;
  }
  RescanExtremes(t);
}

void ResetHeaderLabels(TableDocument& t, int r0, int r1, int c0, int c1) {
  for (int col = std::max(c0, 1); col <= c1 && col < t.iCols; ++col) WriteLabel(t.cells[col], 'C', col);
  for (int row = std::max(r0, 1); row <= r1 && row < t.iRows; ++row) {
    WriteLabel(t.cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(t.iCols)], 'R', row);
  }
}

bool CurrentRange(TableDocument& t, TableRange* range, int* kind) {
  if (t.selRowFrom[0] == 0 || t.selColFrom[0] == 0) return false;
  if (TableGetRange(t, 0, RANGES_SELECTION, range) != 0) return false;
  *kind = t.selKind[0];
  // Whole columns reach down to the last used row, whole rows across to
  // the last used column.
  if (*kind == SELECT_COLUMNS) range->iRowTo = std::min(range->iRowTo, t.iUsedRows - 1);
  if (*kind == SELECT_ROWS) range->iColTo = std::min(range->iColTo, t.iUsedCols - 1);
  return true;
}

bool RefuseMultipleRanges(WindowHandle hwnd) {
  bool several = false;
  if (TableLockGuard t(hwnd); t) several = t->iSelCurrent > 0;
  if (several) ReportNotice(Text(TXT_CAPTION_MESSAGE), Text(TXT_MULTIPLE_SELECTION));
  return several;
}

int ClearRange(WindowHandle hwnd, bool backup) {
  BeginRangeCommand(hwnd);
  if (RefuseMultipleRanges(hwnd)) return -1;
  TableRange range{};
  int kind = SELECT_BLOCK;
  if (TableLockGuard t(hwnd); !t || !CurrentRange(*t.get(), &range, &kind)) return -1;
  if (backup && TableHooks().pfnUndoSave) TableHooks().pfnUndoSave(hwnd, UNDO_SELECTION);
  EmptyRange(hwnd, range, kind);
  if (TableLockGuard t(hwnd); t) RecalcUsedExtent(*t.get());
  if (TableHooks().pfnRecalcAll) TableHooks().pfnRecalcAll(hwnd);
  RefreshTableStates(hwnd);
  TableRepaint(hwnd);
  return 0;
}

int InsertLines(WindowHandle hwnd) {
  BeginRangeCommand(hwnd);
  if (RefuseMultipleRanges(hwnd)) return -1;
  TableRange range{};
  int kind = SELECT_BLOCK;
  bool room = true;
  {
    TableLockGuard t(hwnd);
    if (!t || !CurrentRange(*t.get(), &range, &kind)) return -1;
    ClearCoordinateDeclarations(*t.get());
    t->iUsedRows = std::min(t->iUsedRows, t->iRows);
    if (kind == SELECT_COLUMNS) room = t->iUsedCols + (range.iColTo - range.iColFrom + 1) <= t->iCols;
    if (kind == SELECT_ROWS) room = t->iUsedRows + (range.iRowTo - range.iRowFrom + 1) <= t->iRows;
  }
  if (kind == SELECT_BLOCK) return 0;  // a block inserts nothing
  // The room is known before the back-up, so a refused insert keeps the
  // previous undo.
  if (!room) {
    ReportNotice(Text(TXT_CAPTION_ERROR), Text(TXT_NO_ROOM_FOR_INSERT));
    return -1;
  }
  SetWaitCursor(0);
  BackupWholeTable(hwnd);
  const bool columns = kind == SELECT_COLUMNS;
  const int at = columns ? range.iColFrom : range.iRowFrom;
  const int count = columns ? range.iColTo - range.iColFrom + 1 : range.iRowTo - range.iRowFrom + 1;
  if (TableLockGuard t(hwnd); t) {
    t->bModified = 1;
    if (columns) {
      MoveColumns(*t.get(), at, t->iUsedCols - 1, count);
    } else {
      MoveRows(*t.get(), at, t->iUsedRows - 1, count);
    }
  }
  ShiftFormulas(hwnd, columns ? 'C' : 'R', at, count);
  EndStructuralChange(hwnd);
  SetWaitCursor(1);
  return 0;
}

int DeleteLines(WindowHandle hwnd) {
  BeginRangeCommand(hwnd);
  if (RefuseMultipleRanges(hwnd)) return -1;
  TableRange range{};
  int kind = SELECT_BLOCK;
  {
    TableLockGuard t(hwnd);
    if (!t || !CurrentRange(*t.get(), &range, &kind)) return -1;
    ClearCoordinateDeclarations(*t.get());
  }
  // A block is emptied, not removed.
  if (kind == SELECT_BLOCK) return ClearRange(hwnd, true);
  SetWaitCursor(0);
  BackupWholeTable(hwnd);
  // The lines go: their cells are emptied first (their formulas with them),
  // then the rest moves over them; one recalculation follows at the end.
  EmptyRange(hwnd, range, kind);
  const bool columns = kind == SELECT_COLUMNS;
  const int at = columns ? range.iColFrom : range.iRowFrom;
  const int count = columns ? range.iColTo - range.iColFrom + 1 : range.iRowTo - range.iRowFrom + 1;
  if (TableLockGuard t(hwnd); t) {
    t->bModified = 1;
    if (columns) {
      MoveColumns(*t.get(), at + count, t->iUsedCols - 1, -count);
      t->iUsedCols = std::max(1, t->iUsedCols - count);
    } else {
      MoveRows(*t.get(), at + count, t->iUsedRows - 1, -count);
      t->iUsedRows = std::max(1, t->iUsedRows - count);
    }
  }
  ShiftFormulas(hwnd, columns ? 'C' : 'R', at, -count);
  EndStructuralChange(hwnd);
  SetWaitCursor(1);
  return 0;
}

int HideLines(WindowHandle hwnd) {
  BeginRangeCommand(hwnd);
  if (RefuseMultipleRanges(hwnd)) return -1;
  {
    TableLockGuard t(hwnd);
    TableRange range{};
    int kind = SELECT_BLOCK;
    if (!t || !CurrentRange(*t.get(), &range, &kind)) return -1;
    ClearCoordinateDeclarations(*t.get());
    t->bModified = 1;
    if (kind == SELECT_COLUMNS) {
      for (int col = std::max(range.iColFrom, 1); col <= range.iColTo && col < t->iCols; ++col) t->colWidth[col] = 0;
    } else if (kind == SELECT_ROWS) {
      for (int row = std::max(range.iRowFrom, 1); row <= range.iRowTo && row < t->iRows; ++row) t->rowHeight[row] = 0;
    }
    ForgetEditCellAndRange(*t.get());
  }
  RefreshTableStates(hwnd);
  TableRepaint(hwnd);
  return 0;
}

int TogglePositionLock(TableRecord& t) {
  const bool rows = t.cPickedBar == 'R';
  if (!rows && t.cPickedBar != 'C') return -1;
  const int number = rows ? t.iPickedRow : t.iPickedCol;
  if (number < 1) return -1;
  auto& index = rows ? t.lockRowIndex : t.lockColIndex;
  auto& used = rows ? t.lockRowUsed : t.lockColUsed;
  auto& slot = rows ? t.lockRowSlot : t.lockColSlot;
  int status = -1;
  // A locked line is found by its number wherever the view has scrolled.
  std::size_t k = 0;
  while (k < used.size() && !(used[k] != 0 && index[k] == number)) ++k;
  if (k < used.size()) {
    used[k] = 0;
    index[k] = 0;
    slot[k] = 0;
    status = 0;
  } else {
    for (k = 0; k < used.size(); ++k) {
      if (used[k] != 0) continue;
      used[k] = 1;
      index[k] = number;
      slot[k] = number - (rows ? t.iTopRow : t.iLeftCol);
      status = 0;
      break;
    }
  }
  const bool any = std::any_of(used.begin(), used.end(), [](std::int16_t u) { return u != 0; });
  (rows ? t.bRowsLocked : t.bColsLocked) = any ? 1 : 0;
  return status;
}
