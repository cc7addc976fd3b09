// The welcome window (class BackgroundWindow) and its picture strip.
#pragma once

#include <cstdint>

#include "platform/window.h"
#include "shell/picture_file.h"
#include "shell/welcome_layout.h"

// What a welcome window keeps (its user data).
struct WelcomeState {
  WindowHandle hStrip = WindowHandle::None;
  Picture picture;
  PictureStripMotion motion;
};

std::intptr_t WelcomeWindowProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

// The state of a welcome window, or null.
const WelcomeState* WelcomeStateOf(WindowHandle hwnd);
