// Painting of the welcome window and its picture strip.
#pragma once

#include <cstdint>

#include "platform/window.h"

std::intptr_t WelcomeViewProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);
std::intptr_t PictureStripViewProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);
