// The painters of the picture windows for printing, copying and picture
// files: a chart or a 3D plot drawn by its own paint routine on any
// QPainter at its client size.
#pragma once

#include "platform/window.h"

class QPainter;

// Paint a chart or 3D plot window on `painter`; -1 for another window.
int PaintPlotWindow(WindowHandle hwnd, QPainter& painter, int width, int height);
// The client size of a chart or 3D plot window; -1 for another window.
int PlotWindowSize(WindowHandle hwnd, int* width, int* height);

// Register these painters with the output area.
void InstallPlotPainters();
