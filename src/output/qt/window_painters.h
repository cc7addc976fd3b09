// How the output area reaches a window's own painting: the area that owns
// a picture window (charts, 3D plots) registers a painter that draws the
// window's client on any QPainter (an image, a printer page, an SVG or a
// recorded picture) and tells its client size.
#pragma once

#include "platform/window.h"

class QPainter;

struct WindowPainterSet {
  // Paint the client of `hwnd`, width x height, on `painter`; 0, or -1
  // for a window it does not paint.
  int (*pfnPaint)(WindowHandle hwnd, QPainter& painter, int width, int height) = nullptr;
  // The client size; 0, or -1 for a window it does not paint.
  int (*pfnSize)(WindowHandle hwnd, int* width, int* height) = nullptr;
};

WindowPainterSet& WindowPainters();

// Paint a window through the registered painter; -1 without one.
int PaintWindowOn(WindowHandle hwnd, QPainter& painter, int width, int height);
// The client size through the registered painter; -1 without one.
int WindowPictureSize(WindowHandle hwnd, int* width, int* height);
