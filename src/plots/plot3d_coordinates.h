// Coordinate mode of the 3D plot: the block's numbers placed at their
// declared X and Y coordinates with height Z (and bubble size V), binned by
// their distinct (Y, X) pairs; the least-squares trendline of Y and Z on X;
// and the layout of the bins on the screen.
#pragma once

#include <string>

#include "plots/plot3d_record.h"

struct TableDocument;
struct Plot3DPlacement;

// Take the block into the bins. 0 when at least one point was placed, 1
// when none (hasData cleared), -1 when the bins' memory cannot be had.
// Points whose X or Y finds none of the 240 slots and points beyond 60 in a bin are
// left out and counted (nAxisDropped, bins->nDroppedPoints).
int Plot3DTransferCoordinates(const TableDocument& t, Plot3DRecord& p, const Plot3DPlacement& place, int rows,
                              int cols);

// Least squares of y and z on x over n points (centred sums, coefficients
// in data units); false when fewer than two distinct x.
struct Plot3DFit {
  double dSlopeY, dInterceptY, dSlopeZ, dInterceptZ;
};
bool Plot3DFitLines(const double* xs, const double* ys, const double* zs, int n, Plot3DFit* fit);

// "y=2x+1", "z=0.5x-3": a negative intercept brings its own sign.
std::string Plot3DEquationText(const char* letter, double slope, double intercept);

// Grid step, node positions and, on a new grid size, grid, centre mark and
// zoom for the client.
void Plot3DLayoutCoordinates(Plot3DRecord& p);

// The ball size of a point: the grid step within 10..35, or for a bubble
// its V scaled to 0..2 x step within 10..2 x step (never below 10).
int Plot3DPointSize(const Plot3DRecord& p, double v);

// The drawing order flags and the drawing offset of coordinate mode, from
// the box spanned by the bins at height 0.
void Plot3DProjectCoordinates(Plot3DRecord& p);

// The screen point of model point (x, y, z) under the record's view.
struct Plot3DPoint;
Plot3DPoint Plot3DScreenOf(const Plot3DRecord& p, double x, double y, double z);

// The box of coordinate mode: its low and high x and y (model units).
void Plot3DBoxExtent(const Plot3DRecord& p, double* x0, double* x1, double* y0, double* y1);
