// The chart window's view: the chart is painted into an off-screen RGB32
// image of the client size and shown with one drawImage; the crosshair and
// a dragged note's outline are drawn over it with exclusive-or and never
// touch the image, so moving them repaints only their old and new strips.
#pragma once

#include <cstdint>

#include "platform/window.h"

class QImage;
class QPainter;

std::intptr_t ChartViewProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

// Paint the chart's image now when it is stale and return it (null without
// a record or before the first size message).
const QImage* ChartImage(WindowHandle hwnd);

// Draw the crosshair and the dragged note's outline of the chart on a
// painter (over the shown image).
void ChartPaintOverlay(WindowHandle hwnd, QPainter& p);
