// What other parts of the program do when the table's mouse and keyboard
// input reaches them: the formula registry, the pop-up menus, the chart
// coordinate declarations, linked plots, undo, find and the menu states.
// Each part sets its own entries once at start-up; an entry left empty
// leaves its step out, so a table works before those parts exist.
#pragma once

#include <string>
#include <string_view>

#include "platform/window.h"

struct TableDocument;

struct TableInputHooks {
  // Formula registry. A left press on the handle of a formula target
  // (row, col); the selection drag that follows is the table's.
  void (*pfnFormulaHandlePress)(WindowHandle hwnd, int row, int col) = nullptr;
  // Left release: the formula cell-picking mode (or the handle drag) takes
  // the selection when it is active.
  void (*pfnFormulaRelease)(WindowHandle hwnd) = nullptr;
  // Right release on a formula handle: the formula pop-up menu.
  void (*pfnFormulaMenu)(WindowHandle hwnd, int x, int y, int row, int col) = nullptr;
  // Remove the formula registered for a cell before a value overwrites it.
  void (*pfnRemoveFormula)(WindowHandle hwnd, int row, int col) = nullptr;

  // The formula bar: show target (row, col) with its formula; the formula
  // of a target was deleted from the formula menu (the bar's fields return
  // to their prompts when it showed it); it changed (the bar shows it anew).
  void (*pfnShowFormulaTarget)(WindowHandle hwnd, int row, int col) = nullptr;
  void (*pfnFormulaTargetDeleted)(WindowHandle hwnd, int row, int col) = nullptr;
  void (*pfnFormulaTargetChanged)(WindowHandle hwnd, int row, int col) = nullptr;

  // Pop-up menus at a client point: a header bar ('R' or 'C'), a cell.
  void (*pfnRowColMenu)(WindowHandle hwnd, int x, int y, char bar) = nullptr;
  void (*pfnCellMenu)(WindowHandle hwnd, int x, int y) = nullptr;

  // Coordinate-pick mode of the chart declarations: 1 when it took this
  // right-button release (nothing else happens then), else 0.
  int (*pfnCoordinatePick)(WindowHandle hwnd, int x, int y) = nullptr;
  // The cursor slot a higher area wants over the table while no resize,
  // fill or formula handle asks for its own (the coordinate cursor while a
  // declaration waits for its data cells), or -1 for the table's choice.
  int (*pfnPointerSlot)(WindowHandle hwnd) = nullptr;
  // The browse cell changed: the 3D plot and the trend colour window follow.
  void (*pfnBrowseFollow)(WindowHandle hwnd) = nullptr;
  // The table scrolled (bar SCROLLBAR_VERT or _HORZ): its 3D plot follows.
  void (*pfnScrollFollow)(WindowHandle hwnd, int bar) = nullptr;
  // Remove the crosshair of the colour-image view.
  void (*pfnImageCrosshairOff)(WindowHandle hwnd) = nullptr;
  // 1 when a cell lies in a sampled block of a sampled file (not editable).
  int (*pfnInSampledBlock)(const TableDocument& t, int row, int col) = nullptr;

  // Write the undo back-up of an area before it is overwritten.
  void (*pfnUndoBackup)(WindowHandle hwnd, int rowFrom, int rowTo, int colFrom, int colTo) = nullptr;
  // Write the undo back-up of a kind (UNDO_SELECTION, the whole table):
  // 0, or -1 when none could be written.
  int (*pfnUndoSave)(WindowHandle hwnd, int kind) = nullptr;
  // Whole rows ('R') or columns ('C') were inserted (count > 0) or deleted
  // (count < 0) at line `at`: formula targets and references follow their
  // cells, and formulas left naming their own target or reaching beyond
  // the table are removed with their results. Runs once the cells moved.
  void (*pfnShiftFormulaLines)(WindowHandle hwnd, char bar, int at, int count) = nullptr;
  // The formula line of target (row, col) without its line end; empty when
  // the cell is no formula target.
  std::string (*pfnFormulaLineOf)(WindowHandle hwnd, int row, int col) = nullptr;
  // Take a pasted formula line for cell (row, col); srcRow/srcCol is the
  // target the line names (below 1 when it did not read). 0, or -1 after
  // which the cell reads "Err MathFormula".
  int (*pfnPasteFormulaLine)(WindowHandle hwnd, int srcRow, int srcCol, int row, int col, std::string_view stateKey,
                             std::string_view decimals, std::string_view text) = nullptr;
  // Run every running formula again (after a bulk change).
  void (*pfnRecalcAll)(WindowHandle hwnd) = nullptr;
  // Key F3: find the next cell holding the find text.
  void (*pfnFindNext)(WindowHandle hwnd) = nullptr;
  // Refresh the menu and tool states for the table.
  void (*pfnRefreshStates)(WindowHandle hwnd) = nullptr;
  // A command of the cell editor acted (opened, stored, closed it).
  void (*pfnEditorStates)(WindowHandle hwnd) = nullptr;
};

// The program's hooks (one set for all tables).
TableInputHooks& TableHooks();
