#include "plots/plot3d_coordinates.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/text_buffer.h"
#include "plots/plot3d_projection.h"
#include "plots/plot3d_transfer.h"
#include "plots/plot_cells.h"
#include "plots/plot_coordinates.h"
#include "table/colour.h"
#include "table/number_format.h"

namespace {

struct Point {
  double x, y, z, v;
  int row, col;  // the cell
};

// The index of `value` among the sorted distinct values, added when new;
// -1 when it is new and the 240 slots are full.
int AxisIndex(std::array<double, PLOT3D_GRID>& axis, int& count, double value) {
  const auto end = axis.begin() + count;
  const auto at = std::lower_bound(axis.begin(), end, value);
  if (at != end && *at == value) return static_cast<int>(at - axis.begin());
  if (count >= PLOT3D_GRID) return -1;
  std::copy_backward(at, end, end + 1);
  *at = value;
  ++count;
  return static_cast<int>(at - axis.begin());
}

int IndexOf(const std::array<double, PLOT3D_GRID>& axis, int count, double value) {
  const auto end = axis.begin() + count;
  const auto at = std::lower_bound(axis.begin(), end, value);
  return at != end && *at == value ? static_cast<int>(at - axis.begin()) : -1;
}

}  // namespace

bool Plot3DFitLines(const double* xs, const double* ys, const double* zs, int n, Plot3DFit* fit) {
  if (n < 2) return false;
  double mx = 0, my = 0, mz = 0;
  for (int i = 0; i < n; ++i) mx += xs[i], my += ys[i], mz += zs[i];
  mx /= n, my /= n, mz /= n;
  double sxx = 0, sxy = 0, sxz = 0;
  for (int i = 0; i < n; ++i) {
    const double dx = xs[i] - mx;
    sxx += dx * dx;
    sxy += dx * (ys[i] - my);
    sxz += dx * (zs[i] - mz);
  }
  if (!(sxx > 0) || !std::isfinite(sxx)) return false;
  fit->dSlopeY = sxy / sxx;
  fit->dInterceptY = my - fit->dSlopeY * mx;
  fit->dSlopeZ = sxz / sxx;
  fit->dInterceptZ = mz - fit->dSlopeZ * mx;
  return std::isfinite(fit->dSlopeY) && std::isfinite(fit->dSlopeZ);
}

std::string Plot3DEquationText(const char* letter, double slope, double intercept) {
  return JoinText(letter, "=", FormatNumber(slope), intercept < 0 ? "x" : "x+", FormatNumber(intercept));
}

int Plot3DTransferCoordinates(const TableDocument& t, Plot3DRecord& p, const Plot3DPlacement& place, int rows,
                              int cols) {
  rows = std::clamp(rows, 1, PLOT3D_GRID);
  cols = std::clamp(cols, 1, PLOT3D_GRID);
  const int originRow = std::max(place.iOriginRow, 1);
  const int originCol = std::max(place.iOriginCol, 1);
  std::vector<Point> points;
  bool zDeclared = false;
  bool xDeclared = false;
  bool yDeclared = false;
  for (int g = 0; g < rows; ++g) {
    for (int h = 0; h < cols; ++h) {
      double value = 0;
      if (!PlotCellNumber(t, originRow + g, originCol + h, &value) || !std::isfinite(value)) continue;
      const CellCoordinates c = CoordinatesOfCell(t, originRow + g, originCol + h);
      if (!c.found[COORD_X] && !c.found[COORD_Y] && !c.found[COORD_Z]) continue;
      Point pt{c.found[COORD_X] ? c.value[COORD_X] : 0, c.found[COORD_Y] ? c.value[COORD_Y] : 0, value, 0,
               originRow + g, originCol + h};
      if (c.found[COORD_Z]) pt.z = c.value[COORD_Z], pt.v = value, zDeclared = true;
      if (!std::isfinite(pt.x) || !std::isfinite(pt.y) || !std::isfinite(pt.z)) continue;
      xDeclared = xDeclared || c.found[COORD_X];
      yDeclared = yDeclared || c.found[COORD_Y];
      points.push_back(pt);
    }
  }
  if (points.empty()) {
    p.bHasData = 0;
    return 1;
  }
  Plot3DBins* bins = Plot3DBinsOf(p);
  if (!bins) return -1;
  // The distinct values, sorted; beyond 240 they are left out.
  p.nXValues = p.nYValues = 0;
  p.xValues.fill(PLOT3D_FREE_AXIS);
  p.yValues.fill(PLOT3D_FREE_AXIS);
  p.nAxisDropped = 0;
  for (const Point& pt : points) {
    if (AxisIndex(p.xValues, p.nXValues, pt.x) < 0) ++p.nAxisDropped;
    if (AxisIndex(p.yValues, p.nYValues, pt.y) < 0) ++p.nAxisDropped;
  }
  double low = 0, high = 0, vLow = 0, vHigh = 0;
  bool first = true;
  for (const Point& pt : points) {
    if (first || pt.z < low) low = pt.z;
    if (first || pt.z > high) high = pt.z;
    if (first || pt.v < vLow) vLow = pt.v;
    if (first || pt.v > vHigh) vHigh = pt.v;
    first = false;
  }
  const double range = high - low != 0 ? high - low : 1e-8;
  const double scale = (p.dHalfHeight > 0 ? p.dHalfHeight : 1) / range;
  for (auto& row : bins->count) row.fill(0);
  bins->iLargestCount = 0;
  bins->nDroppedPoints = 0;
  p.iFocusRow = p.iFocusCol = p.iFocusPoint = -1;
  std::vector<double> xs, ys, zs;
  for (const Point& pt : points) {
    const int xi = IndexOf(p.xValues, p.nXValues, pt.x);
    const int yi = IndexOf(p.yValues, p.nYValues, pt.y);
    if (xi < 0 || yi < 0) continue;
    int& count = bins->count[yi][xi];
    if (count >= PLOT3D_BIN_POINTS) {
      ++bins->nDroppedPoints;
      continue;
    }
    bins->z[yi][xi][count] = (pt.z - low) * scale;
    bins->v[yi][xi][count] = pt.v;
    const int hue = static_cast<int>(std::clamp(160 - (pt.z - low) * 160 / range, 0.0, 239.0));
    const RgbColour rgb = HlsToRgb(hue, 240, 82);
    bins->rgb[yi][xi][count] = {rgb.iRed, rgb.iGreen, rgb.iBlue};
    if (pt.row == originRow + place.iFocusRow && pt.col == originCol + place.iFocusCol) {
      p.iFocusRow = yi, p.iFocusCol = xi, p.iFocusPoint = count;
    }
    ++count;
    bins->iLargestCount = std::max(bins->iLargestCount, count);
    xs.push_back(pt.x), ys.push_back(pt.y), zs.push_back(pt.z);
  }
  Plot3DFit fit{};
  p.bFitValid = Plot3DFitLines(xs.data(), ys.data(), zs.data(), static_cast<int>(xs.size()), &fit);
  if (p.bFitValid) {
    p.dSlopeY = fit.dSlopeY, p.dInterceptY = fit.dInterceptY;
    p.dSlopeZ = fit.dSlopeZ, p.dInterceptZ = fit.dInterceptZ;
    const double x0 = p.xValues[0];
    const double x1 = p.xValues[static_cast<std::size_t>(p.nXValues - 1)];
    p.fitStart = {x0, fit.dSlopeY * x0 + fit.dInterceptY, (fit.dSlopeZ * x0 + fit.dInterceptZ - low) * scale};
    p.fitEnd = {x1, fit.dSlopeY * x1 + fit.dInterceptY, (fit.dSlopeZ * x1 + fit.dInterceptZ - low) * scale};
  }
  p.iDataMode = PLOT3D_MODE_COORDINATES;
  p.iRows = std::max(p.nYValues, 1);
  p.iCols = std::max(p.nXValues, 1);
  p.iStyle = PLOT3D_SCATTER;
  p.iOriginRow = originRow;
  p.iOriginCol = originCol;
  p.bXDeclared = xDeclared, p.bYDeclared = yDeclared, p.bZDeclared = zDeclared;
  p.dHighest = (high - low) * scale;
  p.dLowest = 0;
  p.dPlotMax = high, p.dPlotMin = low;
  p.dVMax = vHigh, p.dVMin = vLow;
  p.dMultiplier = scale;
  p.dMarkHeight = high - low != 0 ? p.dHighest : 1e-5;
  CopyText(p.szMaxText, FormatNumber(high));
  CopyText(p.szMinText, FormatNumber(low));
  p.bHasData = 1;
  p.bNewTransfer = 1;
  return 0;
}

void Plot3DLayoutCoordinates(Plot3DRecord& p) {
  const int larger = std::max({p.iRows, p.iCols, 1});
  const int side = std::min(p.iClientWidth, p.iClientHeight);
  p.iGridStep = std::clamp(static_cast<int>(0.7 * side / larger), 1, 60);
  if (p.iRows != p.iPrevRows || p.iCols != p.iPrevCols) {
    p.bShowGrid = 1;
    p.bMarkCentre = 1;
    p.fZZoom = static_cast<float>(std::clamp(0.1 * p.iClientHeight, 1.0, 300.0));
    p.iPrevRows = p.iRows;
    p.iPrevCols = p.iCols;
  }
  p.bNewTransfer = 0;
  const double s = p.iGridStep;
  const double xSpan = p.nXValues > 0 && p.xValues[p.nXValues - 1] != p.xValues[0] ? p.xValues[p.nXValues - 1] - p.xValues[0] : 1e-6;
  const double ySpan = p.nYValues > 0 && p.yValues[p.nYValues - 1] != p.yValues[0] ? p.yValues[p.nYValues - 1] - p.yValues[0] : 1e-6;
  for (int i = 0; i < p.iRows; ++i) {
    for (int j = 0; j < p.iCols; ++j) {
      p.nodeX[i][j] = -s * (p.iCols / 2) + (p.xValues[j] - p.xValues[0]) * s * p.iCols / xSpan;
      p.nodeY[i][j] = -s * (p.iRows / 2) + (p.yValues[i] - p.yValues[0]) * s * p.iRows / ySpan;
    }
  }
}

int Plot3DPointSize(const Plot3DRecord& p, double v) {
  const int step = p.iGridStep;
  if (!p.bZDeclared) return std::clamp(step, 10, 35);
  const double range = p.dVMax - p.dVMin != 0 ? p.dVMax - p.dVMin : 1e-6;
  const double size = (v - p.dVMin) * 2 * step / range;
  const int upper = 2 * step;
  const int clamped = static_cast<int>(std::min(std::isfinite(size) ? size : 0.0, static_cast<double>(upper)));
  return std::max(clamped, 10);  // the lower bound last: a small step still gives visible balls
}

void Plot3DBoxExtent(const Plot3DRecord& p, double* x0, double* x1, double* y0, double* y1) {
  const double s = p.iGridStep;
  *x0 = -s * (p.iCols / 2);
  *x1 = *x0 + s * p.iCols;
  *y0 = -s * (p.iRows / 2);
  *y1 = *y0 + s * p.iRows;
}

Plot3DPoint Plot3DScreenOf(const Plot3DRecord& p, double x, double y, double z) {
  const Plot3DPoint s = Plot3DProjectPoint(x, y, z, p.dRotation, p.dTilt, p.fZZoom);
  return Plot3DScreen(p, s.x, s.y);
}

void Plot3DProjectCoordinates(Plot3DRecord& p) {
  Plot3DSetDrawOrder(p);
  double x0, x1, y0, y1;
  Plot3DBoxExtent(p, &x0, &x1, &y0, &y1);
  int minX = 0, maxX = 0, minY = 0, maxY = 0;
  bool first = true;
  for (double x : {x0, x1}) {
    for (double y : {y0, y1}) {
      const Plot3DPoint s = Plot3DProjectPoint(x, y, 0, p.dRotation, p.dTilt, p.fZZoom);
      if (first || s.x < minX) minX = s.x;
      if (first || s.x > maxX) maxX = s.x;
      if (first || s.y < minY) minY = s.y;
      if (first || s.y > maxY) maxY = s.y;
      first = false;
    }
  }
  p.iOffsetX = static_cast<int>(p.dCentreX - (static_cast<long long>(maxX) + minX) / 2);
  p.iOffsetY = static_cast<int>(p.dCentreY + p.iVertOffset - (static_cast<long long>(maxY) + minY) / 2 - 300);
  if (p.iFocusRow >= 0 && p.iFocusCol >= 0 && p.iFocusRow < p.iRows && p.iFocusCol < p.iCols) {
    const Plot3DPoint mark = Plot3DProjectPoint(p.nodeX[p.iFocusRow][p.iFocusCol], p.nodeY[p.iFocusRow][p.iFocusCol],
                                                p.dMarkHeight + 100, p.dRotation, p.dTilt, p.fZZoom);
    p.iMarkTopX = mark.x, p.iMarkTopY = mark.y;
  }
}
