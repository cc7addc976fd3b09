// The table window's view: painting through an off-screen image of the
// client size, the fonts, and everything else passed to the plain window
// procedure.
#pragma once

#include <cstdint>

#include "platform/window.h"

std::intptr_t TableViewProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

// Paint a table window now into its off-screen image and return it (null
// for a window without a record); the paint message copies it out.
class QImage;
const QImage* TableRepaintImage(WindowHandle hwnd);
