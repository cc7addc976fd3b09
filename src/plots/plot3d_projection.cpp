#include "plots/plot3d_projection.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr double kPi = 3.1415926;
constexpr double kHalfPi = 1.5707963;

// A double as an integer pixel offset: finite and clamped first.
int PixelOf(double v) {
  if (!std::isfinite(v)) return 0;
  return static_cast<int>(std::clamp(v, -1.0e8, 1.0e8));
}

// The Z zoom factor of the projection.
double ZoomFactor(float zoom) {
  if (zoom < 150) return zoom / 120.0;
  if (zoom < 250) return zoom / 60.0;
  return zoom / 30.0;
}

}  // namespace

Plot3DPoint Plot3DProjectPoint(double x, double y, double z, double r, double t, float zoom) {
  const double cr = std::cos(r);
  const double sr = std::sin(r);
  const double st = std::sin(t);
  const double zp = z * ZoomFactor(zoom);
  return {PixelOf(x * cr - y * sr), PixelOf(x * sr * st + y * cr * st + zp * std::cos(t))};
}

void Plot3DSetDrawOrder(Plot3DRecord& p) {
  p.bRowsDescending = std::fabs(p.dRotation) > kHalfPi;
  p.bColsDescending = p.dRotation <= 0;
}

void Plot3DProjectGrid(Plot3DRecord& p) {
  Plot3DSetDrawOrder(p);
  const int corners = p.iStyle == PLOT3D_HISTOGRAM ? 4 : 1;
  const double r = p.dRotation;
  const double t = p.dTilt;
  for (int i = 0; i < p.iRows; ++i) {
    for (int j = 0; j < p.iCols; ++j) {
      for (int k = 0; k < corners; ++k) {
        const Plot3DPoint s = Plot3DProjectPoint(p.cornerX[i][j][k], p.cornerY[i][j][k], p.cornerZ[i][j][k], r, t, p.fZZoom);
        p.projX[i][j][k] = s.x;
        p.projY[i][j][k] = s.y;
      }
    }
  }
  // The extents of the border cells' first corners centre the grid.
  int minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX, maxY = INT_MIN;
  auto extend = [&](int i, int j) {
    minX = std::min(minX, p.projX[i][j][0]);
    maxX = std::max(maxX, p.projX[i][j][0]);
    minY = std::min(minY, p.projY[i][j][0]);
    maxY = std::max(maxY, p.projY[i][j][0]);
  };
  for (int j = 0; j < p.iCols; ++j) extend(0, j), extend(p.iRows - 1, j);
  for (int i = 0; i < p.iRows; ++i) extend(i, 0), extend(i, p.iCols - 1);
  p.iOffsetX = PixelOf(p.dCentreX - (static_cast<long long>(maxX) + minX) / 2);
  p.iOffsetY = PixelOf(p.dCentreY + p.iVertOffset - (static_cast<long long>(maxY) + minY) / 2 - 300);
  // Reference points: the centre node and the first row's middle node at
  // height 0 (north marker); the mark top above the focus node.
  const double s = p.iGridStep;
  const int cr = std::clamp(p.iRows / 2, 0, p.iRows - 1);
  const int cc = std::clamp(p.iCols / 2, 0, p.iCols - 1);
  const Plot3DPoint from = Plot3DProjectPoint(cc * s, cr * s, 0, r, t, p.fZZoom);
  const Plot3DPoint to = Plot3DProjectPoint(cc * s, 0, 0, r, t, p.fZZoom);
  p.iNorthFromX = from.x, p.iNorthFromY = from.y;
  p.iNorthToX = to.x, p.iNorthToY = to.y;
  const int fr = std::clamp(p.iFocusRow, 0, std::max(p.iRows - 1, 0));
  const int fc = std::clamp(p.iFocusCol, 0, std::max(p.iCols - 1, 0));
  const double half = p.iStyle == PLOT3D_HISTOGRAM ? s / 2 : 0;
  const Plot3DPoint mark =
      Plot3DProjectPoint(p.cornerX[fr][fc][0] + half, p.cornerY[fr][fc][0] + half, p.dMarkHeight + 100, r, t, p.fZZoom);
  p.iMarkTopX = mark.x, p.iMarkTopY = mark.y;
}

bool Plot3DNodeAt(const Plot3DRecord& p, int x, int y, int* row, int* col) {
  bool hit = false;
  const int reach = std::max(p.iGridStep / 4, 1);
  Plot3DForEachNode(p, [&](int i, int j) {
    if (p.nodeValid[i][j] != 1) return;
    bool inside = false;
    if (p.iStyle == PLOT3D_HISTOGRAM) {
      const Plot3DPoint a = Plot3DCorner(p, i, j, 0);
      const Plot3DPoint c = Plot3DCorner(p, i, j, 2);
      inside = x >= std::min(a.x, c.x) && x <= std::max(a.x, c.x) && y >= std::min(a.y, c.y) && y <= std::max(a.y, c.y);
    } else {
      const Plot3DPoint a = Plot3DCorner(p, i, j, 0);
      inside = std::abs(x - a.x) <= reach && std::abs(y - a.y) <= reach;
    }
    if (inside) *row = i, *col = j, hit = true;  // the node drawn last wins
  });
  return hit;
}

bool Plot3DDragAngles(Plot3DRecord& p, int x, int y) {
  const double cx = p.dCentreX;
  const double cy = p.dCentreY;
  if (cx < 1 || cy < 1) return false;
  p.dRotation = std::clamp(-(x - cx) / cx * kPi, -kPi, kPi);
  p.dTilt = std::clamp(-(y - cy) / cy * kHalfPi, -kHalfPi, kHalfPi);
  Plot3DSetDrawOrder(p);
  p.iMouseX = x;
  p.iMouseY = y;
  return true;
}
