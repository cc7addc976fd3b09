// What a table announces to the parts of the program above it: stored cells
// (the formula registry runs the formulas that read them), its load timer
// (the file readers), its life and its editor's target (the shell: counts,
// menus, the formula bar). Each part sets its entries once at start-up; an
// entry left empty leaves its step out.
#pragma once

#include "platform/window.h"
#include "table/table_open_request.h"

struct TableEventHooks {
  // A cell's text was stored with TableSetCellText: the formulas that read
  // it run again.
  void (*pfnCellStored)(WindowHandle hwnd, int row, int col) = nullptr;
  // The window's load timer fired: read the file the window was opened for.
  int (*pfnLoadFile)(WindowHandle hwnd) = nullptr;
  // The window is gone (its record is freed).
  void (*pfnTableDestroyed)(WindowHandle hwnd) = nullptr;
  // 1 while the program closes all its windows at once.
  int (*pfnClosingAll)() = nullptr;
  // The cell editor took target (row, col): the formula bar shows it.
  void (*pfnEditorTarget)(WindowHandle hwnd, int row, int col) = nullptr;
  // Open a new table window in the frame (a report or a colour map);
  // None when it could not be made.
  WindowHandle (*pfnCreateTable)(const TableOpenRequest& request) = nullptr;
};

// The program's table event hooks (one set for all tables).
TableEventHooks& TableEvents();

// Announce a stored cell to the registered listener.
void TableAnnounceCellStored(WindowHandle hwnd, int row, int col);
