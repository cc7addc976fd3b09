#include "plots/qt/plot3d_render.h"

#include <algorithm>
#include <cmath>

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QString>

#include "platform/text_buffer.h"
#include "plots/plot3d_colours.h"
#include "plots/plot3d_projection.h"
#include "plots/plot3d_window.h"
#include "plots/qt/ball_sprites.h"
#include "plots/qt/plot_canvas.h"
#include "resources/string_table.h"
#include "table/colour.h"

namespace {

constexpr Plot3DRgb kGridGrey{128, 128, 128};
constexpr Plot3DRgb kMarkColour{217, 0, 217};

QColor QOf(const Plot3DRgb& c) { return QColor(c.r, c.g, c.b); }
std::uint32_t PixelOf(const Plot3DRgb& c) {
  return 0xFF000000u | static_cast<std::uint32_t>(c.r & 255) << 16 | static_cast<std::uint32_t>(c.g & 255) << 8 |
         static_cast<std::uint32_t>(c.b & 255);
}
QString Q(const char* text) { return QString::fromUtf8(text); }

// A face of 3 or 4 screen points in one colour.
void Face(Plot3DTarget& t, const Plot3DPoint* pts, int n, const Plot3DRgb& colour) {
  if (t.pixels.bits) {
    int xs[4];
    int ys[4];
    for (int i = 0; i < n; ++i) xs[i] = pts[i].x, ys[i] = pts[i].y;
    FillPolygonEvenOdd(t.pixels, xs, ys, n, PixelOf(colour));
    return;
  }
  QPoint q[4];
  for (int i = 0; i < n; ++i) q[i] = QPoint(pts[i].x, pts[i].y);
  FillPolygon(*t.painter, q, n, QOf(colour));
}

void Line(Plot3DTarget& t, Plot3DPoint a, Plot3DPoint b, const Plot3DRgb& colour) {
  if (t.pixels.bits) {
    DrawLinePixels(t.pixels, a.x, a.y, b.x, b.y, PixelOf(colour));
    return;
  }
  DrawSegment(*t.painter, a.x, a.y, b.x, b.y, QOf(colour));
}

// The outline of a face (grid lines).
void Outline(Plot3DTarget& t, const Plot3DPoint* pts, int n) {
  for (int i = 0; i < n; ++i) Line(t, pts[i], pts[(i + 1) % n], kGridGrey);
}

// The screen point of node (i, j), or of (a, b) standing in for it when it
// is not a number.
Plot3DPoint NodeOr(const Plot3DRecord& p, int i, int j, int a, int b) {
  if (i < 0 || j < 0 || i >= p.iRows || j >= p.iCols || p.nodeValid[i][j] != 1) return Plot3DCorner(p, a, b, 0);
  return Plot3DCorner(p, i, j, 0);
}

void SurfaceNode(const Plot3DRecord& p, Plot3DTarget& t, int a, int b) {
  if (a >= p.iRows - 1) return;
  const Plot3DRgb colour = Plot3DNodeColour(p, a, b);
  const Plot3DPoint self = Plot3DCorner(p, a, b, 0);
  if (b > 0) {
    const Plot3DPoint tri[3] = {NodeOr(p, a + 1, b, a, b), NodeOr(p, a, b - 1, a, b), self};
    Face(t, tri, 3, colour);
    if (p.bShowGrid) Outline(t, tri, 3);
  }
  if (b < p.iCols - 1) {
    const Plot3DPoint tri[3] = {NodeOr(p, a + 1, b + 1, a, b), NodeOr(p, a + 1, b, a, b), self};
    Face(t, tri, 3, colour);
    if (p.bShowGrid) Outline(t, tri, 3);
  }
}

void FastSurfaceNode(const Plot3DRecord& p, Plot3DTarget& t, int a, int b) {
  if (a >= p.iRows - 1 || b == 0) return;
  const Plot3DPoint quad[4] = {NodeOr(p, a + 1, b, a, b), NodeOr(p, a + 1, b - 1, a, b), NodeOr(p, a, b - 1, a, b),
                               Plot3DCorner(p, a, b, 0)};
  Face(t, quad, 4, Plot3DNodeColour(p, a, b));
  if (p.bShowGrid) Outline(t, quad, 4);
}

// A side face from this cell's edge (corners e0, e1) to the neighbour's
// facing edge (its corners n1, n0), unless the two coincide.
void SideFace(const Plot3DRecord& p, Plot3DTarget& t, int a, int b, int e0, int e1, int na, int nb, int n0, int n1,
              const Plot3DRgb& colour) {
  if (na < 0 || nb < 0 || na >= p.iRows || nb >= p.iCols || p.nodeValid[na][nb] != 1) return;
  const Plot3DPoint side[4] = {Plot3DCorner(p, a, b, e0), Plot3DCorner(p, a, b, e1), Plot3DCorner(p, na, nb, n1),
                               Plot3DCorner(p, na, nb, n0)};
  if (side[0].x == side[3].x && side[0].y == side[3].y && side[1].x == side[2].x && side[1].y == side[2].y) return;
  Face(t, side, 4, colour);
  if (p.bShowGrid) Outline(t, side, 4);
}

void HistogramNode(const Plot3DRecord& p, Plot3DTarget& t, int a, int b) {
  const Plot3DRgb colour = Plot3DNodeColour(p, a, b);
  const Plot3DPoint top[4] = {Plot3DCorner(p, a, b, 0), Plot3DCorner(p, a, b, 1), Plot3DCorner(p, a, b, 2),
                              Plot3DCorner(p, a, b, 3)};
  Face(t, top, 4, colour);
  if (p.bShowGrid) Outline(t, top, 4);
  // Corners run (x0,y0), (x1,y0), (x1,y1), (x0,y1): the edge toward the
  // next row is 3-2, toward the previous 0-1, toward the next column 1-2,
  // toward the previous 0-3.
  if (p.bRowsDescending) {
    SideFace(p, t, a, b, 0, 1, a - 1, b, 3, 2, colour);
  } else {
    SideFace(p, t, a, b, 3, 2, a + 1, b, 0, 1, colour);
  }
  if (p.bColsDescending) {
    SideFace(p, t, a, b, 0, 3, a, b - 1, 1, 2, colour);
  } else {
    SideFace(p, t, a, b, 1, 2, a, b + 1, 0, 3, colour);
  }
}

QRgb RgbOf(const Plot3DRgb& c) { return qRgb(c.r, c.g, c.b); }

void ScatterNode(const Plot3DRecord& p, Plot3DTarget& t, int a, int b) {
  const Plot3DPoint self = Plot3DCorner(p, a, b, 0);
  if (p.bShowGrid) {
    if (b > 0 && p.nodeValid[a][b - 1] == 1) Line(t, self, Plot3DCorner(p, a, b - 1, 0), kGridGrey);
    if (a + 1 < p.iRows && p.nodeValid[a + 1][b] == 1) Line(t, self, Plot3DCorner(p, a + 1, b, 0), kGridGrey);
  }
  DrawBall(*t.painter, p.iGridStep, self.x, self.y, RgbOf(Plot3DNodeColour(p, a, b)), true);
}

void DrawNode(const Plot3DRecord& p, Plot3DTarget& t, int a, int b) {
  if (p.nodeValid[a][b] != 1) return;
  switch (p.iStyle) {
    case PLOT3D_HISTOGRAM: HistogramNode(p, t, a, b); break;
    case PLOT3D_FAST_SURFACE: FastSurfaceNode(p, t, a, b); break;
    case PLOT3D_SCATTER: ScatterNode(p, t, a, b); break;
    default: SurfaceNode(p, t, a, b); break;
  }
}

// The focus node's top: its first corner, or the middle of a column's top.
Plot3DPoint FocusTop(const Plot3DRecord& p, int a, int b) {
  if (p.iStyle != PLOT3D_HISTOGRAM) return Plot3DCorner(p, a, b, 0);
  int x = 0;
  int y = 0;
  for (int k = 0; k < 4; ++k) {
    const Plot3DPoint c = Plot3DCorner(p, a, b, k);
    x += c.x, y += c.y;
  }
  return {x / 4, y / 4};
}

void CentreMark(const Plot3DRecord& p, Plot3DTarget& t, int a, int b) {
  const Plot3DPoint top = Plot3DScreen(p, p.iMarkTopX, p.iMarkTopY);
  Line(t, FocusTop(p, a, b), top, kMarkColour);
  DrawBall(*t.painter, std::max(p.iGridStep, 20), top.x, top.y, RgbOf(kMarkColour), true);
}

// The north marker: where the direction from the centre node to the first
// row's middle meets the client border (inset 10, 61 at the bottom).
void NorthMarker(const Plot3DRecord& p, Plot3DTarget& t) {
  const Plot3DPoint from = Plot3DScreen(p, p.iNorthFromX, p.iNorthFromY);
  const Plot3DPoint to = Plot3DScreen(p, p.iNorthToX, p.iNorthToY);
  const double dx = to.x - from.x;
  const double dy = to.y - from.y;
  if (dx == 0 || dy == 0) return;  // also a zero direction: no marker
  const double left = 10, right = t.iWidth - 10, top = 10, bottom = t.iHeight - 61;
  if (right <= left || bottom <= top) return;
  double k = 1e300;
  k = std::min(k, dx > 0 ? (right - from.x) / dx : (left - from.x) / dx);
  k = std::min(k, dy > 0 ? (bottom - from.y) / dy : (top - from.y) / dy);
  if (!std::isfinite(k)) return;
  const int x = static_cast<int>(std::clamp(from.x + k * dx, left, right));
  const int y = static_cast<int>(std::clamp(from.y + k * dy, top, bottom));
  QPainter& q = *t.painter;
  const QColor light(255, 255, 255);
  EtchedLine(q, x - 10, y, x - 4, y, light);
  EtchedLine(q, x + 4, y, x + 10, y, light);
  EtchedLine(q, x, y - 10, x, y - 4, light);
  EtchedLine(q, x, y + 4, x, y + 10, light);
  q.setFont(PlotLabelFont());
  q.setPen(QColor(255, 0, 0));
  const bool chinese = QString::fromUtf8(Text(TXT_PLOT3D_NORTH)) != QStringLiteral("N");
  DrawTextTop(q, x - (chinese ? 6 : 4), y - 7, Q(Text(TXT_PLOT3D_NORTH)));
  // The program's icon where the last rotation drag ended.
  const QPixmap icon = QGuiApplication::windowIcon().pixmap(32, 32);
  if (!icon.isNull()) q.drawPixmap(p.iMouseX, p.iMouseY, icon);
}

}  // namespace

PixelBuffer Plot3DPixelsOf(QImage& image) {
  PixelBuffer b;
  if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32 &&
      image.format() != QImage::Format_ARGB32_Premultiplied) {
    return b;
  }
  b.bits = reinterpret_cast<std::uint32_t*>(image.bits());
  b.stride = static_cast<int>(image.bytesPerLine() / 4);
  b.width = image.width();
  b.height = image.height();
  return b;
}

int Plot3DScaleLeft(int headLength) { return headLength * 6 + 4; }

int Plot3DScaleMarkX(int frameLeft, double largest, double smallest, double value) {
  const double range = largest - smallest;
  if (!(range > 0) || !std::isfinite(range) || !std::isfinite(value)) return frameLeft + 1;
  const double offset = std::clamp((largest - value) * 159 / range, 0.0, 159.0);
  return frameLeft + 1 + static_cast<int>(offset);
}

void Plot3DDrawBackground(const Plot3DRecord& p, Plot3DTarget& t) {
  QPainter& q = *t.painter;
  const int area = std::max(t.iHeight - PLOT3D_STATUS_HEIGHT, 0);
  if (!p.bArtificialBackground) {
    FillBox(q, 0, 0, t.iWidth, area, QOf(p.background));
    return;
  }
  const int horizon = area / 2;
  const int bands = std::max(area / 2, 0);
  // Upward from the horizon: sky bands, then the last colour to the top.
  int y = horizon;
  int count = 0;
  QColor last = HslColour(140, 240, 240);
  for (int l = 240; l >= 110 && count < bands && y > 0; --l, ++count) {
    last = HslColour(140, 240, l);
    FillBox(q, 0, std::max(y - 3, 0), t.iWidth, y, last);
    y -= 3;
  }
  FillBox(q, 0, 0, t.iWidth, y, last);
  // Downward: ground bands, then the last colour down to the band.
  y = horizon;
  count = 0;
  last = HslColour(30, 200, 240);
  for (int l = 240; l >= 110 && count < bands && y < area; --l, ++count) {
    last = HslColour(30, 200, l);
    FillBox(q, 0, y, t.iWidth, std::min(y + 3, area), last);
    y += 3;
  }
  FillBox(q, 0, y, t.iWidth, area, last);
}

void Plot3DDrawCells(const Plot3DRecord& p, Plot3DTarget& t) {
  const int fr = p.iFocusRow;
  const int fc = p.iFocusCol;
  Plot3DForEachNode(p, [&](int a, int b) {
    DrawNode(p, t, a, b);
    if (a == fr && b == fc && p.bMarkCentre && p.nodeValid[a][b] == 1) {
      CentreMark(p, t, a, b);
      if (p.dTilt > 0) DrawNode(p, t, a, b);
    }
  });
}

void Plot3DDrawStatusBand(const Plot3DRecord& p, Plot3DTarget& t) {
  QPainter& q = *t.painter;
  const int top = t.iHeight - PLOT3D_STATUS_HEIGHT;
  BevelBox(q, 0, top, t.iWidth, t.iHeight, QColor(192, 192, 192), true);
  BevelEdge(q, 1, top + 1, t.iWidth - 1, t.iHeight - 1, false);
  q.setFont(PlotLabelFont());
  q.setPen(QColor(0, 0, 0));
  DrawTextTop(q, 4, top + 4, Q(Text(TXT_PLOT3D_STATUS_1)));
  DrawTextTop(q, 4, top + 18, Q(Text(TXT_PLOT3D_STATUS_2)));
  const bool focusValid = p.iFocusRow >= 0 && p.iFocusRow < p.iRows && p.iFocusCol >= 0 && p.iFocusCol < p.iCols &&
                          p.nodeValid[p.iFocusRow][p.iFocusCol] == 1;
  const bool scale = p.iColouring == PLOT3D_COLOUR_FALSE && !p.bCustomColour &&
                     (focusValid || p.iDataMode == PLOT3D_MODE_COORDINATES);
  const std::string line = Plot3DStatusLine(p);
  if (!scale) {
    DrawTextTop(q, 4, top + 32, QString::fromStdString(line));
    return;
  }
  // The colour scale replaces the range's closing part.
  const std::string tail = std::string(TextOf(p.szMinText)) + "]";
  const std::string head = line.substr(0, line.size() - (std::string(", ") + tail).size()) + ", ";
  const QString headText = QString::fromStdString(head);
  DrawTextTop(q, 4, top + 32, headText);
  const int left = Plot3DScaleLeft(static_cast<int>(headText.size()));
  const int y = top + 36;
  BevelEdge(q, left, y, left + 163, y + 5, true);
  for (int i = 0; i < 160; ++i) FillBox(q, left + 1 + i, y + 1, left + 2 + i, y + 4, HslColour(i, 238, 120));
  q.setPen(QColor(0, 0, 0));
  DrawTextTop(q, left + 163 + 6, top + 32, QString::fromStdString(tail));
  double value = p.dHighest;
  if (focusValid) value = p.nodeZ[p.iFocusRow][p.iFocusCol];
  const int mark = Plot3DScaleMarkX(left, p.dHighest, p.dLowest, value);
  const int hue = std::clamp(mark - left - 1, 0, 159);
  BevelBox(q, mark - 3, y - 6, mark + 3, y - 1, HslColour(hue, 238, 120), true);
}

void Plot3DDraw(const Plot3DRecord& p, Plot3DTarget& t) {
  QPainter& q = *t.painter;
  q.setRenderHint(QPainter::Antialiasing, false);
  Plot3DDrawBackground(p, t);
  const QColor light(255, 255, 255);
  const int cy = static_cast<int>(p.dCentreY);
  const int cx = static_cast<int>(p.dCentreX);
  EtchedLine(q, 0, cy, t.iWidth - 1, cy, light);
  EtchedLine(q, cx, 0, cx, t.iHeight - PLOT3D_STATUS_HEIGHT - 2, light);
  if (p.bHasData) Plot3DDrawCells(p, t);
  Plot3DDrawStatusBand(p, t);
  if (p.bHasData) NorthMarker(p, t);
}
