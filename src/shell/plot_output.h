// Printing, copying and exporting from the plot windows: the shell joins
// the plots' pop-up commands to the output operations.
#pragma once

#include "output/plot_data_export.h"
#include "platform/window.h"

// The grid a 3D plot exports (grid mode only); 0, or -1 for a window that
// is not a 3D plot with grid data.
int Plot3DExportData(WindowHandle plot, PlotExportData* data);

// "Data Export" of a 3D plot: the options dialog, then the text on the
// clipboard; the plot keeps the options chosen. 0, 1 cancelled, -1 failed.
int ExportPlot3DData(WindowHandle plot);

// A copy, print, picture or export command of a chart or 3D plot; 0, 1
// cancelled, -1 failed or not such a command.
int PlotOutputCommand(WindowHandle plot, unsigned id);
