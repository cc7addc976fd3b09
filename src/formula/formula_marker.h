// The formula marker of a target cell: the right button opens the formula
// menu (View, Delete, Inactive, Run), the left button drags a selection
// that the formula is copied to on release.
#pragma once

#include <cstdint>

#include "platform/window.h"

enum FormulaMenuCommand : int {
  CMD_FORMULA_DELETE = 40186,
  CMD_FORMULA_INACTIVE = 40187,
  CMD_FORMULA_RUN = 40188,
  CMD_FORMULA_VIEW = 40198,
};

// The target whose marker square holds client point (x, y): a shown cell
// linked to a formula that is not free. False when the table has none.
bool FormulaMarkerHit(WindowHandle hwnd, int x, int y, int* row, int* col);

// A left press on the marker of target (row, col): the pick is recorded.
void FormulaMarkerPress(WindowHandle hwnd, int row, int col);
// The left release: a picked marker's formula fills the selection.
void FormulaMarkerRelease(WindowHandle hwnd);
// The right release on the marker of target (row, col): the formula menu
// at client point (x, y); the chosen item goes to the table as a command
// that acts on that target. A request while the
// table's skip-next-pop-up flag is set only clears the flag.
void FormulaMarkerMenu(WindowHandle hwnd, int x, int y, int row, int col);
// Remove the formula of a cell before a value overwrites it.
void FormulaRemoveAt(WindowHandle hwnd, int row, int col);

// A command of the formula menu (View, Delete, Inactive, Run) on the target
// the menu was opened for; nothing when no menu recorded one.
int CmdFormulaMenu(WindowHandle hwnd, unsigned command, std::intptr_t lParam);

// Put the entries above into the table's input hooks.
void InstallFormulaHooks();
