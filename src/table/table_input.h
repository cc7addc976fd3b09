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

// The end of a table window's creation: its editor.
void TableInputCreated(WindowHandle hwnd);

// The table window commands of navigation and display: "Back to Home" and
// its button, "Select all" and its button, the zoom buttons (zoom in for
// CMD_ZOOM_IN_BUTTON, out otherwise), a repaint asked by a linked window,
// and becoming the active table again after a short wait.
int CmdBackToHome(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
int CmdSelectAll(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
int CmdZoomButton(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
int CmdRepaint(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
int CmdActiveAgain(WindowHandle hwnd, unsigned id, std::intptr_t lParam);

// The formula handle under a point: the 4 x 4 pixels at the bottom-right
// corner of a cell showing a formula's result. *aligned tells whether the
// formula is aligned with its row or column.
bool FormulaHandleAt(WindowHandle hwnd, int x, int y, int* row, int* col, bool* aligned);

// The width of a text in the cell font, as the view measures it; without a
// view, an estimate of 7 pixels a character.
void SetTableTextWidth(TextWidthFn measure);
TextWidthFn TableTextWidth();
