// The commands of a chart window: links with its table, the chart kinds and
// modes, the axis and smoothing dialogs, markers, backgrounds, zoom and the
// scroll bars.
#pragma once

#include <cstdint>

#include "platform/window.h"

// Carry out command `id` for the chart.
void ChartCommand(WindowHandle hwnd, unsigned id, std::intptr_t lParam);

// The scroll bars: horizontal moves the first visible step (and scrolls
// the table along), vertical sets the step width (the pie's zoom).
void ChartHorizontalScroll(WindowHandle hwnd, int request, int position);
void ChartVerticalScroll(WindowHandle hwnd, int request, int position);
