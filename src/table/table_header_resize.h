// Resizing rows and columns by dragging a header border.
#pragma once

#include "platform/window.h"

// A press on a row (column) border in the header: remember the target
// (iRowResize / iColResize). Nothing when no border is at the point.
void BeginRowResize(WindowHandle hwnd, int y);
void BeginColResize(WindowHandle hwnd, int x);
// The release: the target gets the height (width) from its top (left)
// edge to the pointer, 0 when the pointer lies above (left of) it.
void EndRowResize(WindowHandle hwnd, int y);
void EndColResize(WindowHandle hwnd, int x);
