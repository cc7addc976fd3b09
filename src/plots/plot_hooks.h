// What plot windows ask of the program above them: a new plot window in
// the frame (an MDI document or a top-level window, by the plot placement
// option), the menu and tool states when a plot becomes active, and its
// printing, copying and export. The
// shell sets these at start-up; empty entries leave the step out.
#pragma once

#include <string_view>

#include "platform/window.h"

struct PlotHookSet {
  // Create a window of class `cls` with `title` where plots go; None when
  // it could not be made. `placement` receives 34 (MDI) or 33 (top-level).
  WindowHandle (*pfnCreatePlotWindow)(std::string_view cls, std::string_view title, int* placement) = nullptr;
  // A plot window became the active document: set the menu bar for
  // `menuCode` (236 a 2D chart, 237 a 3D plot) and the tool states.
  void (*pfnPlotActivated)(WindowHandle plot, int menuCode) = nullptr;
  // 1 while the program closes all its windows at once.
  int (*pfnClosingAll)() = nullptr;
  // Copy, print, save as a picture or export the data of a plot window
  // (the command of its pop-up menu or tool button).
  int (*pfnOutputCommand)(WindowHandle plot, unsigned id) = nullptr;
};

// Hand an output command of a plot window to the output hook; 0 when
// there is none.
int PlotOutput(WindowHandle plot, unsigned id);

PlotHookSet& PlotHooks();
