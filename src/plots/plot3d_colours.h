// The colours of a 3D plot's nodes: false colour by height or the cells'
// own colours, smoothed or sharpened, with a lightness offset; and the
// colour each node is drawn in.
#pragma once

#include "plots/plot3d_record.h"

// The false-colour hue of height z between the smallest height low and the
// largest high (integers, as the plot compares truncated heights).
int Plot3DFalseHue(int z, int low, int high);

// Work out the final colour of every node from the options.
void Plot3DComputeColours(Plot3DRecord& p);

// The colour node (row, col) is drawn in: the custom colour, the final
// colour when an option changed it, else the cell's own.
Plot3DRgb Plot3DNodeColour(const Plot3DRecord& p, int row, int col);

// Mean of one channel of `src` around (c, n) in a window of w, leaving out
// row c and column n; the node's own value when nothing contributes.
int Plot3DSmoothChannel(const Plot3DGrid<Plot3DHls>& src, int rows, int cols, int c, int n, int w, int channel);
