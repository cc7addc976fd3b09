// Making a new table large enough for the cell lines of a table file that
// was saved from a table larger than the usual 2000 x 370 (a reshaped
// import), so that opening it again loses nothing.
#pragma once

#include <string_view>

#include "platform/window.h"

// The table about to take the cell lines `lines` (TAB-separated, one line
// per row): when they hold more rows or columns than the table, the table
// is reshaped to hold them. 1 when it was, 0 when they fit as it is, -1
// when no table can hold them all (the user is told; the rest is cut).
int FitTableToCellLines(WindowHandle hwnd, std::string_view lines);
