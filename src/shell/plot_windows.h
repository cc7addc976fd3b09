// Plot windows in the frame: where a new chart goes (the plot placement
// option), and the menu bar and tool states while a plot is active.
#pragma once

#include <string_view>

#include "platform/window.h"

// Create a plot window of class `cls`: an MDI document filling the MDI
// client from 43 pixels below its top, or a top-level window over the
// bottom quarter of the frame. `placement` receives 34 or 33.
WindowHandle CreatePlotWindow(std::string_view cls, std::string_view title, int* placement);

// A plot became active: its menu bar states and the tool buttons it serves
// (copy, print, zoom in and out).
void PlotActivated(WindowHandle plot, int menuCode);

// Set the plot hooks.
void InstallPlotHooks();
