// Recalculation of the formulas that read a cell.
#pragma once

#include "platform/window.h"

// Re-run, depth first in slot order, every running formula that reads cell
// (row, col) of the table.
void RecalcDependants(WindowHandle hwnd, int row, int col);
