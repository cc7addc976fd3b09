// Drawing coordinate mode: background and axis stubs, the back planes of
// the box with its labels, the points as balls bin by bin in drawing
// order, the focus point's mark, and the trendline with its equations.
#include <algorithm>

#include <QPainter>
#include <QString>

#include "plots/plot3d_colours.h"
#include "plots/plot3d_coordinates.h"
#include "plots/plot3d_projection.h"
#include "plots/plot3d_window.h"
#include "plots/qt/ball_sprites.h"
#include "plots/qt/plot3d_render.h"
#include "plots/qt/plot_canvas.h"
#include "resources/string_table.h"
#include "platform/text_buffer.h"
#include "table/colour.h"
#include "table/number_format.h"

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

void Plane(QPainter& q, const Plot3DPoint* pts, const QColor& fill) {
  QPoint points[4];
  for (int i = 0; i < 4; ++i) points[i] = QPoint(pts[i].x, pts[i].y);
  FillPolygon(q, points, 4, fill);
}

// A label 2 pixels right of its corner, or ending 6 pixels per character
// left of it on corners at the box's left.
void Label(QPainter& q, Plot3DPoint at, bool leftSide, const std::string& text, const QColor& colour) {
  q.setPen(colour);
  const int x = leftSide ? at.x - 6 * static_cast<int>(Q(text).size()) : at.x + 2;
  DrawTextTop(q, x, at.y, Q(text));
}

void AxisBox(const Plot3DRecord& p, QPainter& q) {
  double x0, x1, y0, y1;
  Plot3DBoxExtent(p, &x0, &x1, &y0, &y1);
  const double h = p.dMarkHeight;
  // The far sides: the first row and column when they are drawn first.
  const double farY = p.bRowsDescending ? y1 : y0;
  const double farX = p.bColsDescending ? x1 : x0;
  const double floorZ = p.dTilt > 0 ? h : 0;
  auto s = [&](double x, double y, double z) { return Plot3DScreenOf(p, x, y, z); };
  const Plot3DPoint xPlane[4] = {s(x0, farY, 0), s(x1, farY, 0), s(x1, farY, h), s(x0, farY, h)};
  const Plot3DPoint yPlane[4] = {s(farX, y0, 0), s(farX, y1, 0), s(farX, y1, h), s(farX, y0, h)};
  const Plot3DPoint floor[4] = {s(x0, y0, floorZ), s(x1, y0, floorZ), s(x1, y1, floorZ), s(x0, y1, floorZ)};
  Plane(q, floor, HslColour(1, 100, 180));
  Plane(q, xPlane, HslColour(80, 40, 150));
  Plane(q, yPlane, HslColour(160, 40, 150));
  const QColor green(0, 128, 0);
  for (int i = 0; i < 4; ++i) {
    DrawSegment(q, xPlane[i].x, xPlane[i].y, xPlane[(i + 1) % 4].x, xPlane[(i + 1) % 4].y, green);
    DrawSegment(q, yPlane[i].x, yPlane[i].y, yPlane[(i + 1) % 4].x, yPlane[(i + 1) % 4].y, green);
  }
  const Plot3DPoint origin = s(x0, y0, 0);
  const Plot3DPoint top = s(x0, y0, h);
  DrawSegment(q, origin.x, origin.y, top.x, top.y, QColor(200, 0, 0));
  q.setFont(PlotLabelFont());
  const double xMax = p.nXValues > 0 ? p.xValues[p.nXValues - 1] : 0;
  const double yMax = p.nYValues > 0 ? p.yValues[p.nYValues - 1] : 0;
  const Plot3DPoint xEnd = s(x1, y0, 0);
  const Plot3DPoint yEnd = s(x0, y1, 0);
  const int middle = static_cast<int>(p.dCentreX);
  Label(q, xEnd, xEnd.x < middle, "X(" + FormatNumber(xMax) + ")", green);
  Label(q, yEnd, yEnd.x < middle, "Y(" + FormatNumber(yMax) + ")", QColor(0, 0, 160));
  Label(q, top, top.x < middle, "Z(" + std::string(TextOf(p.szMaxText)) + ")", QColor(200, 0, 0));
  const bool left = origin.x < middle;
  Label(q, {origin.x, origin.y}, left, "Xo (" + FormatNumber(p.xValues[0]) + ")", green);
  Label(q, {origin.x, origin.y + 13}, left, "Yo (" + FormatNumber(p.yValues[0]) + ")", QColor(0, 0, 160));
  Label(q, {origin.x, origin.y + 26}, left, "Zo (" + std::string(TextOf(p.szMinText)) + ")", QColor(200, 0, 0));
}

// The focus point: the centre mark for a small ball, else a box around it
// in three tones of its colour.
void FocusMark(const Plot3DRecord& p, QPainter& q, Plot3DPoint at, int size, const Plot3DRgb& colour) {
  if (size <= 20) {
    const Plot3DPoint top = Plot3DScreen(p, p.iMarkTopX, p.iMarkTopY);
    DrawSegment(q, at.x, at.y, top.x, top.y, QColor(217, 0, 217));
    DrawBall(q, std::max(p.iGridStep, 20), top.x, top.y, qRgb(217, 0, 217), true);
    return;
  }
  const HlsColour hls = RgbToHls(colour.r, colour.g, colour.b);
  const int half = size / 3;
  const QColor front = HslColour(hls.iHue, hls.iSat, std::min(hls.iLum + 45, 240));
  const QColor same(colour.r, colour.g, colour.b);
  const QColor back = HslColour(hls.iHue, hls.iSat, std::max(hls.iLum - 20, 0));
  DrawSegment(q, at.x - half, at.y - half, at.x + half, at.y - half, back);
  DrawSegment(q, at.x + half, at.y - half, at.x + half, at.y + half, same);
  DrawSegment(q, at.x + half, at.y + half, at.x - half, at.y + half, front);
  DrawSegment(q, at.x - half, at.y + half, at.x - half, at.y - half, front);
}

void Points(const Plot3DRecord& p, QPainter& q) {
  const Plot3DBins* bins = p.bins;
  if (!bins) return;
  for (int a = 0; a < p.iCols; ++a) {
    const int col = p.bColsDescending ? p.iCols - 1 - a : a;
    for (int b = 0; b < p.iRows; ++b) {
      const int row = p.bRowsDescending ? p.iRows - 1 - b : b;
      const int count = std::clamp(bins->count[row][col], 0, PLOT3D_BIN_POINTS);
      for (int k = 0; k < count; ++k) {
        const int i = p.dTilt > 0 ? count - 1 - k : k;
        const Plot3DPoint at = Plot3DScreenOf(p, p.nodeX[row][col], p.nodeY[row][col], bins->z[row][col][i]);
        const int size = Plot3DPointSize(p, bins->v[row][col][i]);
        const Plot3DRgb& c = bins->rgb[row][col][i];
        DrawBall(q, size, at.x, at.y, qRgb(c.r, c.g, c.b), true);
        if (p.bMarkCentre && row == p.iFocusRow && col == p.iFocusCol && i == p.iFocusPoint) {
          FocusMark(p, q, at, size, c);
        }
      }
    }
  }
}

void Trendline(const Plot3DRecord& p, QPainter& q) {
  if (!p.bTrendlineShown || !p.bFitValid) return;
  const double x0 = p.xValues[0];
  const double xSpan = p.nXValues > 1 ? p.xValues[p.nXValues - 1] - x0 : 1e-6;
  const double ySpan = p.nYValues > 1 ? p.yValues[p.nYValues - 1] - p.yValues[0] : 1e-6;
  double bx0, bx1, by0, by1;
  Plot3DBoxExtent(p, &bx0, &bx1, &by0, &by1);
  // Fit points in model units, placed like the nodes.
  auto model = [&](const std::array<double, 3>& f) {
    const double x = bx0 + (f[0] - x0) * (bx1 - bx0) / (xSpan != 0 ? xSpan : 1e-6);
    const double y = by0 + (f[1] - p.yValues[0]) * (by1 - by0) / (ySpan != 0 ? ySpan : 1e-6);
    return Plot3DScreenOf(p, x, y, f[2]);
  };
  const Plot3DPoint a = model(p.fitStart);
  const Plot3DPoint b = model(p.fitEnd);
  DrawSegment(q, a.x, a.y, b.x, b.y, QColor(90, 90, 90));
  q.setFont(PlotLabelFont());
  q.setPen(QColor(0, 0, 0));
  DrawTextTop(q, 10, 5, QString::fromUtf8(Text(TXT_PLOT3D_TREND_TITLE)));
  DrawTextTop(q, 10, 20, Q(Plot3DEquationText("y", p.dSlopeY, p.dInterceptY)));
  DrawTextTop(q, 10, 35, Q(Plot3DEquationText("z", p.dSlopeZ, p.dInterceptZ)));
}

}  // namespace

void Plot3DDrawCoordinateMode(const Plot3DRecord& p, Plot3DTarget& t) {
  QPainter& q = *t.painter;
  q.setRenderHint(QPainter::Antialiasing, false);
  Plot3DDrawBackground(p, t);
  const QColor light(255, 255, 255);
  const int cx = static_cast<int>(p.dCentreX);
  const int cy = static_cast<int>(p.dCentreY);
  const int w10 = t.iWidth / 10;
  const int h10 = t.iHeight / 10;
  EtchedLine(q, 0, cy, w10, cy, light);
  EtchedLine(q, t.iWidth - w10, cy, t.iWidth - 1, cy, light);
  EtchedLine(q, cx, 0, cx, h10, light);
  EtchedLine(q, cx, t.iHeight - h10 - 45, cx, t.iHeight - 45, light);
  if (p.bHasData) {
    AxisBox(p, q);
    Points(p, q);
    Trendline(p, q);
  }
  Plot3DDrawStatusBand(p, t);
}
