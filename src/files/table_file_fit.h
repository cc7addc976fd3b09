// Making a new table large enough for the cell lines of a table file that
// was saved from a table larger than the usual 2000 x 370 (a reshaped
// import), so that opening it again loses nothing.
#pragma once

#include <cstdint>

#include "platform/window.h"

// The table about to take cell lines of `lines` lines and at most
// `maxFields` fields a line: when they hold more rows or columns than the
// table, the table is reshaped to hold them. 1 when it was, 0 when they fit
// as it is, -1 when no table can hold them all (the reader drops the rest
// and counts it).
int FitTableToCellCount(WindowHandle hwnd, std::int64_t lines, std::int64_t maxFields);
