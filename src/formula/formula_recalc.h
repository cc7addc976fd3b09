// Recalculation of the formulas that read a cell.
#pragma once

#include "platform/window.h"

// Re-run, depth first in slot order, every running formula that reads cell
// (row, col) of the table.
void RecalcDependants(WindowHandle hwnd, int row, int col);

// The same with matrix formulas passed over: run for the cells of a placed
// matrix result, whose matrix formula must not run again because of them.
void RecalcDependantsSkippingMatrix(WindowHandle hwnd, int row, int col);
