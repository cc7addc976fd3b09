// Mouse and keyboard in a table window: selection, navigation, the editor,
// header-border resizing, the series fill, right-button browsing and
// becoming the active table.
#pragma once

#include <cstdint>

#include "platform/window.h"
#include "table/table_scroll.h"

// Handle an input, focus, activation or timer message, or the editor's
// notification; true when the message was taken (its result in *result),
// false when the window procedure goes on with it.
bool TableInputMessage(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam,
                       std::intptr_t* result);

// The end of a table window's creation: its editor and the commands of
// this module.
void TableInputCreated(WindowHandle hwnd);

// The formula handle under a point: the 4 x 4 pixels at the bottom-right
// corner of a cell showing a formula's result. *aligned tells whether the
// formula is aligned with its row or column.
bool FormulaHandleAt(WindowHandle hwnd, int x, int y, int* row, int* col, bool* aligned);

// The width of a text in the cell font, as the view measures it; without a
// view, an estimate of 7 pixels a character.
void SetTableTextWidth(TextWidthFn measure);
TextWidthFn TableTextWidth();
