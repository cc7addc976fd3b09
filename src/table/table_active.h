// The table that last became active: the formula bar, the menus and the
// analysis tools work on it.
#pragma once

#include "platform/window.h"

// The active table window, or None when no table is active.
WindowHandle TableActive();

// Make a table window the active one (None: no table is active).
void TableSetActive(WindowHandle hwnd);
