#include "plots/plot3d_layout.h"

#include <algorithm>
#include <cmath>

namespace {

// The step and zoom of a small grid (under 60 nodes a side): grid lines on.
void SmallGridView(Plot3DRecord& p) {
  p.bShowGrid = 1;
  p.bMarkCentre = 1;
  p.iGridStep = 18;
  p.fZZoom = 20.0f;
}

int LargerSide(const Plot3DRecord& p) { return std::max(p.iRows, p.iCols); }

}  // namespace

float Plot3DFitZoom(double range, int clientHeight) {
  const double h = clientHeight / 4 > 0 ? clientHeight / 4 : 1;
  const double r = std::fabs(range);
  if (!(r >= 2) || !std::isfinite(r)) return 280.0f;
  int z = 150;
  if (r > h) {
    while (z > 2 && z / 100.0 * r >= h) z -= 2;
  } else {
    while (z < 300 && z / 100.0 * r <= h) z += 10;
    z -= 10;
  }
  if (z < 2) z = 2;
  if (z > 300) z = 280;
  return static_cast<float>(z);
}

void Plot3DRequestZFit(Plot3DRecord& p) {
  const bool autoScale = p.iZScaleMode == PLOT3D_ZSCALE_AUTO;
  if (p.iZFitCounter < (autoScale ? 3 : 4)) ++p.iZFitCounter;
  if (p.iZFitCounter != 3 || !autoScale) return;
  p.fZZoom = Plot3DFitZoom(p.dHighest - p.dMidHeight, p.iClientHeight);
}

void Plot3DLayoutGrid(Plot3DRecord& p) {
  p.iRows = std::clamp(p.iRows, 1, PLOT3D_GRID);
  p.iCols = std::clamp(p.iCols, 1, PLOT3D_GRID);
  if (p.iRows != p.iPrevRows || p.iCols != p.iPrevCols) {
    const bool large = LargerSide(p) > 120;
    p.bShowGrid = 0;
    p.iGridStep = large ? 2 : 3;
    p.fZZoom = large ? 2.5f : 3.0f;
    if (LargerSide(p) < 60) SmallGridView(p);
    p.iPrevRows = p.iRows;
    p.iPrevCols = p.iCols;
  }
  if (p.bNewTransfer) {
    if (!p.bMidHeightSet) {
      p.dMidHeight = p.dLowest + (p.dHighest - p.dLowest) / 2;
      if (p.dMidHeight == 0) p.dMidHeight = 1.0;
      p.bMidHeightSet = 1;
    }
    for (int i = 0; i < p.iRows; ++i) {
      for (int j = 0; j < p.iCols; ++j) {
        if (p.nodeValid[i][j] != 1) p.nodeZ[i][j] = p.dMidHeight;
      }
    }
    p.bNewTransfer = 0;
    Plot3DRequestZFit(p);
  }
  const double s = p.iGridStep;
  for (int i = 0; i < p.iRows; ++i) {
    for (int j = 0; j < p.iCols; ++j) {
      p.cornerX[i][j] = {j * s, (j + 1) * s, (j + 1) * s, j * s};
      p.cornerY[i][j] = {i * s, i * s, (i + 1) * s, (i + 1) * s};
    }
  }
}

void Plot3DSmoothData(Plot3DRecord& p) {
  const int k = p.bDataSmooth ? p.iDataSmoothCoef : 0;
  for (int b = 0; b < p.iRows; ++b) {
    for (int c = 0; c < p.iCols; ++c) {
      double height = p.nodeZ[b][c] - p.dMidHeight;
      if (k > 0) {
        double sum = 0;
        int n = 0;
        for (int i = std::max(b - k / 2, 0); i <= std::min(b + k / 2, p.iRows - 1); ++i) {
          if (i == b) continue;
          for (int j = std::max(c - k / 2, 0); j <= std::min(c + k / 2, p.iCols - 1); ++j) {
            if (j == c || p.nodeValid[i][j] != 1) continue;
            sum += p.nodeZ[i][j];
            ++n;
          }
        }
        // A node without contributing neighbours keeps its own height.
        if (n > 0) height = std::trunc(sum / n) - p.dMidHeight;
      }
      p.cornerZ[b][c] = {height, height, height, height};
    }
  }
}

void Plot3DResize(Plot3DRecord& p, int width, int height) {
  p.iClientWidth = std::max(width, 0);
  p.iClientHeight = std::max(height, 0);
  const int side = std::min(p.iClientWidth, p.iClientHeight);
  if (LargerSide(p) < 121) {
    int step = side / 80;
    while (step > 2 && static_cast<int>(std::sqrt(2.0 * step * step)) * 80 > side) --step;
    p.iGridStep = std::max(step, 2);
  } else {
    p.iGridStep = 2;
  }
  if (p.iRows > 0 && LargerSide(p) < 60) SmallGridView(p);
  p.iVertOffset = 300;
  p.dHalfWidth = p.iClientWidth / 2;
  p.dHalfHeight = (p.iClientHeight - PLOT3D_STATUS_HEIGHT) / 2;
  p.dCentreX = p.dHalfWidth;
  p.dCentreY = p.dHalfHeight;
}

void Plot3DStepZoom(Plot3DRecord& p, int delta) {
  const int top = LargerSide(p) <= 120 ? 60 : 3;
  p.iGridStep = std::clamp(p.iGridStep + delta, 1, top);
}
