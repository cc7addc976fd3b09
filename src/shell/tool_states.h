// The enabled states of the formula bar's upper buttons, set by the
// document that becomes active.
#pragma once

#include "platform/window.h"

// The upper buttons: Open, Find, Back home, Trend view, Zoom in, Zoom out,
// Image pixel, Select all, Copy, Print.
enum ToolButton : int {
  TOOL_OPEN = 0,
  TOOL_FIND,
  TOOL_HOME,
  TOOL_TREND,
  TOOL_ZOOM_IN,
  TOOL_ZOOM_OUT,
  TOOL_IMAGE_PIXEL,
  TOOL_SELECT_ALL,
  TOOL_COPY,
  TOOL_PRINT,
};

// A table window is (or stays) active: every button works except the image
// pixel button (only in the colour mode of the trend colouring), Copy
// (only with exactly one selection range) and, while the cell editor is
// open, buttons 1 to 8. The formula bar is told to repaint and that a
// table is active. Nothing happens while all documents are closing.
void RefreshToolStates(WindowHandle hTable);

// A 3D plot is active: Open, the zoom buttons, Copy and Print work.
void RefreshPlot3DToolStates();

// No document: only "Open" works.
void ResetToolStates();
