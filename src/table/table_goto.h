// "Go to ...": a cell whose text holds a cell reference (R120C15) works as a
// link to that cell.
#pragma once

#include <cstdint>

#include "platform/window.h"
#include "table/table_record.h"

// The cell named in the single selected cell: 1 with *row and *col set,
// else -1 with both 1. Only the first upper-case R of the text is read,
// together with the digits and upper-case Cs that follow it (at most 19
// characters); the cell must lie in the table, header cells excluded.
int GoToTarget(TableDocument& t, int* row, int* col);

// The "Go to ..." command of a table window: the named cell becomes the
// top-left visible cell; the selection stays.
int CmdGoTo(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
