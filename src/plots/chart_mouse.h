// Mouse input of a chart window: the crosshair and status line, notes and
// axis titles (click, drag, edit), legend clicks, pie dragging, the axis
// and chart menus, right-drag tracking of the table and the wheel zoom.
#pragma once

#include <cstdint>

#include "platform/window.h"

// A mouse message (MSG_MOUSEMOVE .. MSG_MOUSEWHEEL) at client (x, y).
void ChartMouse(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, int x, int y);

// Open "Set note" for what (x, y) addresses: a point, the X axis end or
// the Y axis top. 0 when a note dialog ran, -1 when nothing is there.
int ChartEditNoteAt(WindowHandle hwnd, int x, int y);
