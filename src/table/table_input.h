// Mouse and keyboard in a table window: selection, navigation, the editor,
// header-border resizing and the series fill.
#pragma once

#include <cstdint>

#include "platform/window.h"

// Handle a mouse or key message; true when it was one of them (its result
// in *result).
bool TableInputMessage(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam,
                       std::intptr_t* result);
