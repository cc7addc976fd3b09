#include "formula/formula_marker.h"

#include <string>

#include "formula/formula_recalc.h"
#include "table/cell_reference.h"
#include "formula/formula_registry.h"
#include "platform/number_text.h"
#include "platform/popup_menu.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "table/cell_store.h"
#include "table/popup_skip.h"
#include "table/table_access.h"
#include "table/table_events.h"
#include "table/table_input.h"
#include "table/table_input_hooks.h"
#include "table/table_window.h"

namespace {

void ClearPick(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  if (t) t->iFormulaCellMode = t->iFormulaCellRow = t->iFormulaCellCol = 0;
}

int SlotOf(const TableDocument& t, int row, int col) {
  for (int s = 0; s < FORMULA_SLOTS; ++s) {
    const FormulaSlot& slot = t.formulaSlots[s];
    if (slot.iState != FORMULA_FREE && slot.iTargetRow == row && slot.iTargetCol == col) return s;
  }
  return -1;
}

// The table holds a formula for target (row, col).
bool HasFormula(const TableDocument& t, int row, int col) { return t.iFormulaCount > 0 && SlotOf(t, row, col) >= 0; }

}  // namespace

// A command of the formula menu, on the target the menu was opened for
// (nothing when no menu recorded one).
int CmdFormulaMenu(WindowHandle hwnd, unsigned command, std::intptr_t) {
  int row = 0;
  int col = 0;
  {
    TableLockGuard t(hwnd);
    if (!t || t->iFormulaCellMode != 1) return 0;
    row = t->iFormulaCellRow;
    col = t->iFormulaCellCol;
  }
  const std::string target = CellReference(row, col);
  switch (command) {
    case CMD_FORMULA_VIEW: {
      // The formula bar shows the target and its formula, then the marks
      // of the cells it names go on.
      if (TableHooks().pfnShowFormulaTarget) TableHooks().pfnShowFormulaTarget(hwnd, row, col);
      TableLockGuard t(hwnd);
      const int s = t ? SlotOf(*t.get(), row, col) : -1;
      if (s >= 0) MarkFormulaRefs(*t.get(), std::string(TextOf(t->formulaSlots[s].szFormula)), true);
      break;
    }
    case CMD_FORMULA_DELETE:
      if (TableHooks().pfnUndoBackup) TableHooks().pfnUndoBackup(hwnd, row, row, col, col);
      FormulaDelete(hwnd, target);
      if (TableHooks().pfnFormulaTargetDeleted) TableHooks().pfnFormulaTargetDeleted(hwnd, row, col);
      break;
    case CMD_FORMULA_INACTIVE:
    case CMD_FORMULA_RUN: {
      TableLockGuard t(hwnd);
      const int s = t ? SlotOf(*t.get(), row, col) : -1;
      if (s >= 0) t->formulaSlots[s].iState = command == CMD_FORMULA_RUN ? FORMULA_RUN : FORMULA_INACTIVE;
      break;
    }
    default:
      ClearPick(hwnd);
      return 0;
  }
  if (command != CMD_FORMULA_DELETE && TableHooks().pfnFormulaTargetChanged) {
    TableHooks().pfnFormulaTargetChanged(hwnd, row, col);
  }
  ClearPick(hwnd);
  RecalcAll(hwnd);
  InvalidateWindow(hwnd);
  return 0;
}

bool FormulaMarkerHit(WindowHandle hwnd, int x, int y, int* row, int* col) {
  bool aligned = false;
  if (!FormulaHandleAt(hwnd, x, y, row, col, &aligned)) return false;
  TableLockGuard t(hwnd);
  return t && HasFormula(*t.get(), *row, *col);
}

void FormulaMarkerPress(WindowHandle hwnd, int row, int col) {
  TableLockGuard t(hwnd);
  if (!t || !HasFormula(*t.get(), row, col)) return;
  t->iFormulaCellMode = 2;
  t->iFormulaCellRow = row;
  t->iFormulaCellCol = col;
}

void FormulaMarkerRelease(WindowHandle hwnd) {
  int mode = 0;
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    mode = t->iFormulaCellMode;
  }
  if (mode != 2) return;
  FormulaFill(hwnd);
  ClearPick(hwnd);
}

void FormulaMarkerMenu(WindowHandle hwnd, int x, int y, int row, int col) {
  if (TakePopupSkip(hwnd)) return;
  {
    TableLockGuard t(hwnd);
    if (!t || !HasFormula(*t.get(), row, col)) return;
    t->iFormulaCellMode = 1;
    t->iFormulaCellRow = row;
    t->iFormulaCellCol = col;
  }
  PopupMenuList menu;
  menu.items = {{CMD_FORMULA_VIEW, Text(TXT_REGISTRY_MENU_VIEW)},
                {CMD_FORMULA_DELETE, Text(TXT_REGISTRY_MENU_DELETE)},
                {CMD_FORMULA_INACTIVE, Text(TXT_REGISTRY_MENU_INACTIVE)},
                {CMD_FORMULA_RUN, Text(TXT_REGISTRY_MENU_RUN)}};
  const int command = ShowPopupMenu(hwnd, x, y, menu);
  if (command == 0) {
    ClearPick(hwnd);
    return;
  }
  SendCommand(hwnd, static_cast<unsigned>(command));
}

void FormulaRemoveAt(WindowHandle hwnd, int row, int col) { FormulaDelete(hwnd, CellReference(row, col)); }

// The formula line of a target cell, empty for any other cell.
std::string FormulaLineOf(WindowHandle hwnd, int row, int col) {
  TableLockGuard t(hwnd);
  const TableCell* cell = t ? TableCellAt(*t.get(), row, col) : nullptr;
  if (!cell || CellFormulaSlot(*cell) < 0 || CellFormulaSlot(*cell) >= FORMULA_SLOTS) return {};
  const FormulaSlot& slot = t->formulaSlots[CellFormulaSlot(*cell)];
  if (slot.iTargetRow != row || slot.iTargetCol != col) return {};
  return FormulaLineText(*t.get(), CellFormulaSlot(*cell), false);
}

void InstallFormulaHooks() {
  // Every stored cell runs the formulas that read it.
  TableEvents().pfnCellStored = RecalcDependants;
  TableInputHooks& hooks = TableHooks();
  hooks.pfnFormulaHandlePress = FormulaMarkerPress;
  hooks.pfnFormulaRelease = FormulaMarkerRelease;
  hooks.pfnFormulaMenu = FormulaMarkerMenu;
  hooks.pfnRemoveFormula = FormulaRemoveAt;
  // The range commands: lines inserted or deleted, copying and pasting
  // formula lines, one recalculation after a bulk change.
  hooks.pfnShiftFormulaLines = FormulaShiftLines;
  hooks.pfnFormulaLineOf = FormulaLineOf;
  hooks.pfnPasteFormulaLine = FormulaPasteLine;
  hooks.pfnRecalcAll = RecalcAll;
}
