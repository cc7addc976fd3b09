#include "output/qt/window_painters.h"

WindowPainterSet& WindowPainters() {
  static WindowPainterSet painters;
  return painters;
}

int PaintWindowOn(WindowHandle hwnd, QPainter& painter, int width, int height) {
  return WindowPainters().pfnPaint ? WindowPainters().pfnPaint(hwnd, painter, width, height) : -1;
}

int WindowPictureSize(WindowHandle hwnd, int* width, int* height) {
  return WindowPainters().pfnSize ? WindowPainters().pfnSize(hwnd, width, height) : -1;
}
