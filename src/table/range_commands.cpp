#include "table/range_commands.h"

#include <algorithm>
#include <string>

#include "platform/clipboard.h"
#include "platform/cursor.h"
#include "platform/message_box.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "table/cell_reference.h"
#include "table/cell_store.h"
#include "table/range_clipboard.h"
#include "table/range_edit.h"
#include "table/report_table.h"
#include "table/table_access.h"
#include "table/table_editor.h"
#include "table/table_init.h"
#include "table/table_input_hooks.h"
#include "table/table_select.h"
#include "table/table_window.h"

namespace {

// Whether any cell of the range is a formula target.
bool RangeHoldsFormula(const TableDocument& t, const TableRange& range) {
  for (int row = std::max(range.iRowFrom, 1); row <= range.iRowTo; ++row) {
    for (int col = std::max(range.iColFrom, 1); col <= range.iColTo; ++col) {
      const TableCell* cell = TableCellAt(t, row, col);
      if (cell && CellFormulaSlot(*cell) >= 0) return true;
    }
  }
  return false;
}

// Where a paste starts: whole columns at row 1, whole rows at column 1,
// a block at its first cell.
void PasteStart(const TableDocument& t, int* row, int* col) {
  *row = std::max(t.selKind[0] == SELECT_COLUMNS ? 1 : std::min(t.selRowFrom[0], t.selRowTo[0]), 1);
  *col = std::max(t.selKind[0] == SELECT_ROWS ? 1 : std::min(t.selColFrom[0], t.selColTo[0]), 1);
}

// Store one pasted field at (row, col): a formula line is registered, any
// other text replaces the cell's text, style and formula.
void StorePastedField(WindowHandle hwnd, TableDocument& t, const PastedField& field, int row, int col) {
  if (field.bFormula && TableHooks().pfnPasteFormulaLine) {
    const std::string_view target = field.parts[0];
    const int srcRow = IsReferenceForm(target) ? RefRow(target, TABLE_MAX_DIMENSION + 1) : -1;
    const int srcCol = IsReferenceForm(target) ? RefCol(target, TABLE_MAX_DIMENSION + 1) : -1;
    TableHooks().pfnPasteFormulaLine(hwnd, srcRow, srcCol, row, col, field.parts[1], field.parts[2], field.parts[3]);
    return;
  }
  TableCell* cell = TableCellAt(t, row, col);
  if (!cell) return;
  SetCellStyle(*cell, STYLE_AUTOMATIC);
  if (CellFormulaSlot(*cell) >= 0 && TableHooks().pfnRemoveFormula) TableHooks().pfnRemoveFormula(hwnd, row, col);
  TableStoreCellText(t, row, col, field.text);
}

}  // namespace

int CopyRange(WindowHandle hwnd, bool ask, bool formulas) {
  EditorCommand(hwnd, EDITOR_COMMIT_CLOSE);
  if (RefuseMultipleRanges(hwnd)) return -1;
  TableRange range{};
  bool holdsFormula = false;
  {
    TableLockGuard t(hwnd);
    int kind = SELECT_BLOCK;
    if (!t || !CurrentRange(*t.get(), &range, &kind)) return -1;
    holdsFormula = RangeHoldsFormula(*t.get(), range);
  }
  if (holdsFormula && ask) formulas = AskYesNo(Text(TXT_COPY_CAPTION), Text(TXT_COPY_WITH_FORMULA)) == 1;
  SetWaitCursor(0);
  std::string text;
  {
    TableLockGuard t(hwnd);
    if (!t) {
      SetWaitCursor(1);
      return -1;
    }
    const auto line = [hwnd](int row, int col) {
      return TableHooks().pfnFormulaLineOf ? TableHooks().pfnFormulaLineOf(hwnd, row, col) : std::string();
    };
    text = holdsFormula && formulas ? RangeClipboardText(*t.get(), range, line) : RangeClipboardText(*t.get(), range);
  }
  ClipboardSetText(text);
  SetWaitCursor(1);
  return 0;
}

int CutRange(WindowHandle hwnd) {
  // Only what reached the clipboard is emptied.
  if (CopyRange(hwnd, false, true) != 0) return -1;
  return ClearRange(hwnd, true);
}

int PasteText(WindowHandle hwnd) {
  EditorCommand(hwnd, EDITOR_COMMIT_CLOSE);
  const std::string text = ClipboardGetText();
  const PasteShape shape = MeasurePasteText(text);
  int row0 = 0;
  int col0 = 0;
  int row1 = 0;
  int col1 = 0;
  {
    TableLockGuard t(hwnd);
    if (!t || shape.iRows == 0 || t->selRowFrom[0] == 0 || t->selColFrom[0] == 0) return -1;
    t->bShowRefs = 0;
    PasteStart(*t.get(), &row0, &col0);
    if (row0 >= t->iRows || col0 >= t->iCols) return -1;
    // Nothing is written outside the table: the area is clamped first.
    const long long lastRow = static_cast<long long>(row0) + shape.iRows - 1;
    const long long lastCol = static_cast<long long>(col0) + shape.iCols - 1;
    row1 = static_cast<int>(std::min<long long>(lastRow, t->iRows - 1));
    col1 = static_cast<int>(std::min<long long>(lastCol, t->iCols - 1));
    t->bModified = 1;
    t->iSelCurrent = 0;
    t->selRowFrom[0] = row0;
    t->selRowTo[0] = row1;
    t->selColFrom[0] = col0;
    t->selColTo[0] = col1;
    t->selKind[0] = SELECT_BLOCK;
  }
  SetWaitCursor(0);
  if (TableHooks().pfnUndoBackup) TableHooks().pfnUndoBackup(hwnd, row0, row1, col0, col1);
  {
    TableLockGuard t(hwnd);
    if (t) {
      ForEachPastedField(text, [&](const PastedField& field) {
        const long long row = static_cast<long long>(row0) + field.iRow;
        const long long col = static_cast<long long>(col0) + field.iCol;
        if (row > row1) return false;
        if (col <= col1) StorePastedField(hwnd, *t.get(), field, static_cast<int>(row), static_cast<int>(col));
        return true;
      });
    }
  }
  TableRepaint(hwnd);
  SetWaitCursor(1);
  RefreshTableStates(hwnd);
  if (TableHooks().pfnRecalcAll) TableHooks().pfnRecalcAll(hwnd);
  TableRepaint(hwnd);
  return 0;
}

int TransposeRange(WindowHandle hwnd) {
  EditorCommand(hwnd, EDITOR_COMMIT_CLOSE);
  TableRange range{};
  bool normalSize = true;
  {
    TableLockGuard t(hwnd);
    int kind = SELECT_BLOCK;
    if (!t || !CurrentRange(*t.get(), &range, &kind)) return -1;
    normalSize = t->iRows == TABLE_NORMAL_ROWS && t->iCols == TABLE_NORMAL_COLS;
  }
  const WindowHandle report = OpenReportTableFor(hwnd);
  if (IsNone(report)) return -1;
  SetWaitCursor(0);
  TableRecord* source = TableLock(hwnd);
  TableRecord* target = source ? TableLock(report) : nullptr;
  if (source && target) {
    // A table of another shape, or a range wider than a normal report,
    // gives the report the swapped shape, so nothing is cut.
    const int rows = range.iColTo - range.iColFrom + 2;
    const int cols = range.iRowTo - range.iRowFrom + 2;
    if ((!normalSize || rows > target->iRows || cols > target->iCols) &&
        SetImportTableSize(*target, source->iCols, source->iRows) == 0) {
      RelabelHeaders(*target);
    }
    std::string text;
    for (int row = range.iRowFrom; row <= range.iRowTo; ++row) {
      for (int col = range.iColFrom; col <= range.iColTo; ++col) {
        text = TableCellDisplayText(*source, row, col);
        if (!text.empty()) TableStoreCellText(*target, col - range.iColFrom + 1, row - range.iRowFrom + 1, text);
      }
    }
  }
  if (target) TableUnlock(report);
  if (source) TableUnlock(hwnd);
  FinishReportTable(report);
  SetWaitCursor(1);
  TableRepaint(hwnd);
  return 0;
}

int CmdCopy(WindowHandle hwnd, unsigned id, std::intptr_t) {
  // Other windows ask for a copy without the question.
  const bool internal = id == CMD_COPY_INTERNAL_A || id == CMD_COPY_INTERNAL_B;
  CopyRange(hwnd, !internal);
  return 0;
}

int CmdCut(WindowHandle hwnd, unsigned, std::intptr_t) {
  CutRange(hwnd);
  return 0;
}

int CmdPaste(WindowHandle hwnd, unsigned, std::intptr_t) {
  PasteText(hwnd);
  return 0;
}

int CmdInsertLines(WindowHandle hwnd, unsigned, std::intptr_t) {
  InsertLines(hwnd);
  return 0;
}

int CmdDeleteLines(WindowHandle hwnd, unsigned, std::intptr_t) {
  DeleteLines(hwnd);
  return 0;
}

int CmdHideLines(WindowHandle hwnd, unsigned, std::intptr_t) {
  HideLines(hwnd);
  return 0;
}

int CmdPositionLock(WindowHandle hwnd, unsigned, std::intptr_t) {
  if (TableLockGuard t(hwnd); t) TogglePositionLock(*t.get());
  TableRepaint(hwnd);
  return 0;
}

int CmdTranspose(WindowHandle hwnd, unsigned, std::intptr_t) {
  TransposeRange(hwnd);
  return 0;
}
