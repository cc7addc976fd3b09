// The table window's pop-up menus: the header bar menu (a right click on
// the row or column labels) and the cell menu (a right click on a cell),
// built in the current language each time they open, with the enabled
// states the table's selection allows. The chosen item is sent to the
// table as a command.
#pragma once

#include "platform/popup_menu.h"
#include "platform/window.h"

// The header bar menu for the row ('R') or column ('C') labels: the
// position lock of the picked line, Hide, Delete, Insert, Copy, Cut,
// Paste. Empty when `hwnd` is not a table.
PopupMenuList TableRowColBarMenu(WindowHandle hwnd, char bar);

// The cell menu: plug-in functions, detailed data, find and sort, the
// clipboard, data property, plots, trend colours, coordinate declarations.
// Empty when `hwnd` is not a table.
PopupMenuList TableMouseLBMenu(WindowHandle hwnd);

// Open a menu at client point (x, y) of the table unless its skip flag was
// set (then only the flag is cleared), and send the chosen item to the
// table. 0, or -1 when `hwnd` is not a table.
int ShowRowColMenu(WindowHandle hwnd, int x, int y, char bar);
int ShowCellMenu(WindowHandle hwnd, int x, int y);

// Make the table's right button open these menus.
void InstallTablePopupMenus();
