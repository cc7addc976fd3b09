// "Reset data color" and "Reset data view": every used cell's text colour
// back to the default, and with the view also the row heights, column
// widths and the normal (not image) view.
#pragma once

#include <cstdint>

#include "platform/window.h"
#include "table/table_record.h"

// Give every cell of rows 1 .. used rows - 1 and columns 1 .. used columns
// - 1 the default text colour and end any analysis colouring; with `view`
// also the header column width 40, every data column 80, every row height
// 18 (hidden rows and columns reappear) and the normal view, which marks
// the table modified.
void ResetColours(TableRecord& t, bool view);

// The two commands: reset, repaint and refresh the tool states.
int CmdResetColour(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
int CmdResetView(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
