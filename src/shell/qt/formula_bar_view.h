// Painting of the formula bar: its frame lines, the upper tool buttons with
// their icons and labels, and the lower row with the colour swatches.
#pragma once

#include <cstdint>

#include "platform/window.h"

std::intptr_t FormulaBarViewProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);
