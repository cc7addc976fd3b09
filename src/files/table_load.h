// Loading the file chosen for a table window opened in a file mode.
#pragma once

#include "platform/window.h"

// Read the table's file (szFileName) into it by its open mode; 0 or -1.
int TableLoadChosenFile(WindowHandle hwnd);
