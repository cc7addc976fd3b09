#include "plots/chart_pie.h"

#include <algorithm>
#include <cmath>

#include "platform/number_text.h"
#include "platform/text_buffer.h"

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr int PIE_MARGIN = 40;
constexpr int RIM_STEPS = 180;  // rim points per full turn of a drawn sector

// The size of slice k.
double SliceSize(const ChartRecord& c, int k) { return c.loadedValue[c.sliceSeries[k]][c.slicePoint[k]]; }

// Whether point (x, y) lies inside the polygon.
bool InsidePolygon(const int* xs, const int* ys, int n, int x, int y) {
  bool inside = false;
  for (int i = 0, j = n - 1; i < n; j = i++) {
    if ((ys[i] > y) != (ys[j] > y)) {
      const double cross = xs[j] + static_cast<double>(xs[i] - xs[j]) * (y - ys[j]) / (ys[i] - ys[j]);
      if (x < cross) inside = !inside;
    }
  }
  return inside;
}

}  // namespace

void ChartPieSlices(ChartRecord& c) {
  c.sliceCount = 0;
  c.dPieTotal = 0.0;
  for (int s = 0; s < c.seriesCount; ++s) {
    for (int i = 0; i < c.pointCount[s] && c.sliceCount < CHART_PIE_SLICES; ++i) {
      if (!PointIsValid(c, s, i)) continue;
      bool repeated = false;
      for (int k = 0; k < c.sliceCount && !repeated; ++k) {
        repeated = c.slicePoint[k] == i && TextOf(c.sliceName[k]) == TextOf(c.seriesName[s]);
      }
      if (repeated) continue;
      const int k = c.sliceCount++;
      c.sliceSeries[k] = s;
      c.slicePoint[k] = i;
      c.sliceName[k] = c.seriesName[s];
      const int number = ChartSeriesNumber(c, s);
      const bool byRow = !ChartByColumn(c);
      c.sliceRow[k] = byRow ? number : i + 1;
      c.sliceCol[k] = byRow ? i + 1 : number;
      c.dPieTotal += c.loadedValue[s][i];
    }
  }
  double running = 0.0;
  const double total = c.dPieTotal;
  for (int k = 0; k < c.sliceCount; ++k) {
    const double size = SliceSize(c, k);
    c.sliceStart[k] = total > 0 ? 2 * PI * running / total : 0.0;
    c.sliceAnchor[k] = total > 0 ? 2 * PI * (running + size / 2) / total : 0.0;
    running += size;
    c.sliceEnd[k] = total > 0 ? 2 * PI * running / total : 0.0;
  }
}

bool ChartPieBox(ChartRecord& c, int height) {
  int right = c.iPlotRight;
  int bottom = height - PIE_MARGIN;
  const int side = std::min(right - PIE_MARGIN, bottom - PIE_MARGIN);
  right = PIE_MARGIN + side + c.pieZoom;
  bottom = PIE_MARGIN + side + c.pieZoom;
  c.iPieHalfWidth = (right - PIE_MARGIN) / 2;
  c.iPieHalfHeight = (bottom - PIE_MARGIN) / 2;
  c.iPieCentreX = PIE_MARGIN + c.iPieHalfWidth;
  c.iPieCentreY = PIE_MARGIN + c.iPieHalfHeight;
  return c.iPieHalfWidth > 0 && c.iPieHalfHeight > 0;
}

void PieToClient(const ChartRecord& c, double x, double y, int* cx, int* cy) {
  const double r = c.pieRotation;
  const double t = c.pieTilt;
  const double vx = x * std::cos(r) - y * std::sin(r);
  const double vy = (x * std::sin(r) + y * std::cos(r)) * std::sin(t) + std::cos(t);
  // y points up in the pie's view.
  *cx = c.iPieCentreX + static_cast<int>(vx);
  *cy = c.iPieCentreY - static_cast<int>(vy);
}

void PieRimPoint(const ChartRecord& c, int layer, double a, int* cx, int* cy) {
  const double w = std::max(c.iPieHalfWidth - 6 * layer, 0);
  const double h = std::max(c.iPieHalfHeight - 6 * layer, 0);
  PieToClient(c, w * std::cos(a), h * std::sin(a), cx, cy);
}

RgbColour PieSliceColour(int index, int offset) {
  const int cycle = index / 16;
  const int a = index % 16;
  if (cycle > 16) return {195, 195, 195};
  int hue = a % 2 == 0 ? 16 - a / 2 : a / 2;
  if (cycle % 2 == 1) hue = a % 2 == 0 ? a / 2 : 16 - a / 2;
  const int saturation = std::max(160 - 10 * cycle, 0);
  return HlsToRgb(hue * 10 % 240, saturation, std::clamp(110 + offset, 0, 240));
}

int PieSliceSign(const ChartRecord& c, int k) {
  const double r = c.pieRotation;
  const double t = c.pieTilt;
  const auto seenY = [&](double a) {
    const double x = c.iPieHalfWidth * std::cos(a);
    const double y = c.iPieHalfHeight * std::sin(a);
    return (x * std::sin(r) + y * std::cos(r)) * std::sin(t) + std::cos(t);
  };
  return seenY(c.sliceStart[k]) > 1 || seenY(c.sliceEnd[k]) > 1 ? 1 : -1;
}

int PieSliceAt(const ChartRecord& c, int x, int y) {
  if (c.dPieTotal <= 0) return -1;
  for (int k = 0; k < c.sliceCount; ++k) {
    const double from = c.sliceStart[k];
    const double to = c.sliceEnd[k];
    const int steps = std::clamp(static_cast<int>(std::abs(to - from) / (2 * PI) * RIM_STEPS) + 1, 1, RIM_STEPS);
    int xs[RIM_STEPS + 2];
    int ys[RIM_STEPS + 2];
    xs[0] = c.iPieCentreX;
    ys[0] = c.iPieCentreY;
    for (int j = 0; j <= steps; ++j) PieRimPoint(c, 0, from + (to - from) * j / steps, &xs[j + 1], &ys[j + 1]);
    if (InsidePolygon(xs, ys, steps + 2, x, y)) return k;
  }
  return -1;
}

std::string PieLegendText(const ChartRecord& c, int k) {
  const double size = SliceSize(c, k);
  const int percent = c.dPieTotal > 0 ? static_cast<int>(100 * size / c.dPieTotal) : 0;
  return "R" + FormatInt(c.sliceRow[k]) + "C" + FormatInt(c.sliceCol[k]) + "=" +
         std::string(TextOf(c.pointText[c.sliceSeries[k]][c.slicePoint[k]])) + " (" + FormatInt(percent) + "%)";
}

std::string PieNoteText(const ChartRecord& c, int k) {
  const double share = c.dPieTotal > 0 ? 100 * SliceSize(c, k) / c.dPieTotal : 0.0;
  return "R" + FormatInt(c.sliceRow[k]) + "C" + FormatInt(c.sliceCol[k]) + "=" + FormatFixedPlaces(share, 2) + "%";
}

void ChartPieDrag(ChartRecord& c, int x, int y) {
  const double h = std::max(c.iPieCentreX, 1);
  const double v = std::max(c.iPieCentreY, 1);
  c.pieRotation = std::clamp(-(x - h) / h * 3.1415926, -3.1415926, 3.1415926);
  c.pieTilt = std::min(std::abs(y - v) / v * 1.5707963, 1.5707963);
}
