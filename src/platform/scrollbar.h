// Window scroll bars (windows created with STYLE_HSCROLL / STYLE_VSCROLL).
// A user action on a bar arrives as MSG_HSCROLL / MSG_VSCROLL with
// MakeScrollParam(request, position); the window decides the new position
// and sets it.
#pragma once

#include <cstdint>

#include "platform/window.h"

enum ScrollBarKind : int {
  SCROLLBAR_HORZ = 0,
  SCROLLBAR_VERT = 1,
};

// Requests, numbered as the Windows scroll codes.
enum ScrollRequest : int {
  SCROLL_LINE_UP = 0,  // also line left
  SCROLL_LINE_DOWN = 1,
  SCROLL_PAGE_UP = 2,
  SCROLL_PAGE_DOWN = 3,
  SCROLL_THUMB_POSITION = 4,
  SCROLL_THUMB_TRACK = 5,
  SCROLL_TOP = 6,
  SCROLL_BOTTOM = 7,
  SCROLL_END = 8,
  SCROLL_LINE_LEFT = SCROLL_LINE_UP,
  SCROLL_LINE_RIGHT = SCROLL_LINE_DOWN,
  SCROLL_PAGE_LEFT = SCROLL_PAGE_UP,
  SCROLL_PAGE_RIGHT = SCROLL_PAGE_DOWN,
  SCROLL_LEFTMOST = SCROLL_TOP,
  SCROLL_RIGHTMOST = SCROLL_BOTTOM,
};

inline std::uintptr_t MakeScrollParam(int request, int position) {
  return (static_cast<std::uintptr_t>(static_cast<std::uint32_t>(position)) << 16) |
         (static_cast<std::uint32_t>(request) & 0xFFFFu);
}
inline int ScrollRequestOf(std::uintptr_t wParam) { return static_cast<int>(wParam & 0xFFFFu); }
inline int ScrollPositionOf(std::uintptr_t wParam) { return static_cast<int>((wParam >> 16) & 0x7FFFFFFFu); }

struct ScrollBarState {
  int iMin = 0;
  int iMax = 0;
  int iPos = 0;
};

void SetScrollRange(WindowHandle hwnd, int bar, int min, int max);
void SetScrollPos(WindowHandle hwnd, int bar, int pos);
ScrollBarState ScrollBarOf(WindowHandle hwnd, int bar);
// Drop a window's bars (on destroy).
void ForgetScrollBars(WindowHandle hwnd);
