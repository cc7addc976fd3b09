// The orthographic projection of a 3D plot: model points to screen
// offsets, the drawing offset that centres the grid, the reference points
// of the north marker and the centre mark, the drawing order, and finding
// the node under the mouse.
#pragma once

#include "plots/plot3d_record.h"

struct Plot3DPoint {
  int x;
  int y;
};

// The screen offset of model point (x, y, z) at rotation r, tilt t and Z
// zoom (truncated toward zero, as stored per corner).
Plot3DPoint Plot3DProjectPoint(double x, double y, double z, double r, double t, float zoom);

// The drawing order from the rotation: rows descending when |r| > pi/2,
// columns descending when r <= 0.
void Plot3DSetDrawOrder(Plot3DRecord& p);

// Project every corner (all four for histograms, the first otherwise), set
// the drawing offset and the reference points.
void Plot3DProjectGrid(Plot3DRecord& p);

// The screen point of a projected offset.
inline Plot3DPoint Plot3DScreen(const Plot3DRecord& p, int sx, int sy) {
  return {p.iOffsetX + sx, static_cast<int>(2 * p.dHalfHeight) - sy - p.iOffsetY};
}
inline Plot3DPoint Plot3DCorner(const Plot3DRecord& p, int row, int col, int corner) {
  return Plot3DScreen(p, p.projX[row][col][corner], p.projY[row][col][corner]);
}

// Visit the grid's nodes in drawing order (rows outer, columns inner).
template <class Visit>
void Plot3DForEachNode(const Plot3DRecord& p, Visit visit) {
  for (int a = 0; a < p.iRows; ++a) {
    const int row = p.bRowsDescending ? p.iRows - 1 - a : a;
    for (int b = 0; b < p.iCols; ++b) {
      const int col = p.bColsDescending ? p.iCols - 1 - b : b;
      visit(row, col);
    }
  }
}

// The node drawn last under client point (x, y); false without one.
bool Plot3DNodeAt(const Plot3DRecord& p, int x, int y, int* row, int* col);

// Left-drag: the rotation and tilt of a mouse point (the screen centre
// faces the default view); false when the client is too small to hold a
// plot (the drag is ignored).
bool Plot3DDragAngles(Plot3DRecord& p, int x, int y);
