// Laying out a 3D plot in grid mode: grid step and zoom for the grid size,
// the Z fit, the cells' corner geometry, data smoothing and the sizes that
// follow the window.
#pragma once

#include "plots/plot3d_record.h"

// Fit the Z zoom to a client height: the zoom z (2..300) at which the
// height range |range| spans about a quarter of the height. Always ends.
float Plot3DFitZoom(double range, int clientHeight);

// A fit request after a layout that followed a new transfer: counts the
// request and fits when the counter says so (a new window skips two).
void Plot3DRequestZFit(Plot3DRecord& p);

// Step 1 and 2 of a grid layout: step and zoom for a changed grid size,
// the mid height and the empty nodes' height after a transfer, the Z fit,
// and the corners of every cell.
void Plot3DLayoutGrid(Plot3DRecord& p);

// Corner heights from the node heights: smoothed over a window of the
// data smoothing coefficient when it is on, else the node heights, both
// measured from the mid height.
void Plot3DSmoothData(Plot3DRecord& p);

// The client area changed: grid step, vertical offset and the screen's
// halves and centre.
void Plot3DResize(Plot3DRecord& p, int width, int height);

// Mouse wheel, F1/F2 and the zoom buttons: change the grid step by delta
// within its limits.
void Plot3DStepZoom(Plot3DRecord& p, int delta);
