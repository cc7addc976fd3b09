// Drawing the 3D plot: holes where cells are empty, false colours, occlusion by the drawing order, the
// status band and its colour scale.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <memory>
#include <random>

#include "platform/number_text.h"
#include "plots/plot3d_colours.h"
#include "plots/plot3d_layout.h"
#include "plots/plot3d_projection.h"
#include "plots/plot3d_transfer.h"
#include "plots/plot3d_window.h"
#include "plots/qt/plot3d_render.h"
#include "plots/scanline_fill.h"
#include "support/fresh_table.h"
#include "table/colour.h"

namespace {

struct RecordDeleter {
  void operator()(Plot3DRecord* p) const { Plot3DFreeRecord(p); }
};
using RecordPtr = std::unique_ptr<Plot3DRecord, RecordDeleter>;

constexpr QRgb kPaper = 0xFF102030;

// A record laid out and projected for a 1600 x 900 client from a block
// filled by value(row, col); rows x cols from (1, 1).
template <class Value>
RecordPtr PlotOf(FreshTable& t, int rows, int cols, int style, Value value) {
  for (int r = 1; r <= rows; ++r) {
    for (int c = 1; c <= cols; ++c) t.Store(r, c, FormatFixed(value(r, c)));
  }
  RecordPtr p(Plot3DAllocRecord());
  EXPECT_EQ(Plot3DTransferGrid(*t, *p, Plot3DInitialPlacement(1, rows, 1, cols, rows, cols), rows, cols), 0);
  p->iStyle = style;
  Plot3DResize(*p, 1600, 900);
  Plot3DLayoutGrid(*p);
  p->bShowGrid = 0;
  p->bMarkCentre = 0;
  Plot3DSmoothData(*p);
  Plot3DComputeColours(*p);
  Plot3DProjectGrid(*p);
  return p;
}

// Draw with `draw` on a w x h image of paper.
template <class Draw>
QImage OnPaper(int w, int h, Draw draw) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(kPaper);
  Plot3DTarget target;
  target.pixels = Plot3DPixelsOf(image);
  target.iWidth = w;
  target.iHeight = h;
  {
    QPainter painter(&image);
    target.painter = &painter;
    draw(target);
  }
  return image;
}

// Draw only the cells on paper.
QImage CellsImage(const Plot3DRecord& p) {
  return OnPaper(1600, 900, [&](Plot3DTarget& target) { Plot3DDrawCells(p, target); });
}

QRgb QRgbOf(const RgbColour& c) { return qRgb(c.iRed, c.iGreen, c.iBlue); }

}  // namespace

TEST(Plot3DRender, EmptyCellLeavesAHole) {
  FreshTable t;
  auto p = PlotOf(t, 5, 5, PLOT3D_SURFACE, [](int r, int c) { return r * 10.0 + c; });
  const Plot3DPoint full = Plot3DCorner(*p, 2, 2, 0);
  EXPECT_NE(CellsImage(*p).pixel(full.x, full.y), kPaper);
  // The same plot with cell (3, 3) emptied.
  FreshTable holed;
  auto q = PlotOf(holed, 5, 5, PLOT3D_SURFACE, [](int r, int c) { return r * 10.0 + c; });
  q->nodeValid[2][2] = 0;
  const QImage image = CellsImage(*q);
  EXPECT_EQ(image.pixel(full.x, full.y), kPaper);
}

TEST(Plot3DRender, FalseColourTopFaceFollowsTheHueRule) {
  FreshTable t;
  auto p = PlotOf(t, 2, 2, PLOT3D_HISTOGRAM, [](int r, int c) { return r * 100.0 + c * 40; });
  const QImage image = CellsImage(*p);
  int low = 10000;
  int high = -50000;
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 2; ++j) {
      low = std::min(low, static_cast<int>(p->cornerZ[i][j][0]));
      high = std::max(high, static_cast<int>(p->cornerZ[i][j][0]));
    }
  }
  // The nearest column (drawn last) shows its whole top face.
  const int a = 1;
  const int b = 1;
  int x = 0;
  int y = 0;
  for (int k = 0; k < 4; ++k) x += Plot3DCorner(*p, a, b, k).x, y += Plot3DCorner(*p, a, b, k).y;
  const HlsColour cell = RgbToHls(p->nodeRgb[a][b].r, p->nodeRgb[a][b].g, p->nodeRgb[a][b].b);
  const int hue = Plot3DFalseHue(static_cast<int>(p->cornerZ[a][b][0]), low, high);
  EXPECT_EQ(image.pixel(x / 4, y / 4), QRgbOf(HlsToRgb(hue, 240, cell.iLum / 4 + 82)));
}

TEST(Plot3DRender, NearerColumnCoversTheFartherOne) {
  FreshTable t;
  // Two rows of one column: at rotation 0.3927 rows ascend, so row 2 is
  // nearer and drawn later. A flat zoom lifts it only a little, so its top
  // face overlaps the farther one's on screen.
  auto p = PlotOf(t, 2, 1, PLOT3D_HISTOGRAM, [](int r, int) { return r == 2 ? 300.0 : 0.0; });
  p->fZZoom = 1.0f;
  Plot3DProjectGrid(*p);
  p->nodeValid[0][0] = 0;
  const QImage nearOnly = CellsImage(*p);
  p->nodeValid[0][0] = 1;
  const QImage both = CellsImage(*p);
  p->nodeValid[1][0] = 0;
  const QImage farOnly = CellsImage(*p);
  p->nodeValid[1][0] = 1;
  int shared = 0;
  for (int y = 0; y < 900; ++y) {
    for (int x = 0; x < 1600; ++x) {
      if (nearOnly.pixel(x, y) == kPaper) continue;
      EXPECT_EQ(both.pixel(x, y), nearOnly.pixel(x, y)) << x << "," << y;
      if (farOnly.pixel(x, y) != kPaper) ++shared;
    }
  }
  EXPECT_GT(shared, 0);  // the two overlap on screen, and the nearer wins
}

TEST(Plot3DRender, StatusBandAndColourScale) {
  FreshTable t;
  auto p = PlotOf(t, 4, 4, PLOT3D_SURFACE, [](int r, int c) { return r * 3.0 + c; });
  const QImage image = OnPaper(800, 600, [&](Plot3DTarget& target) { Plot3DDrawStatusBand(*p, target); });
  const int top = 600 - PLOT3D_STATUS_HEIGHT;
  EXPECT_EQ(image.pixel(0, top), qRgb(255, 255, 255));      // raised outer edge
  EXPECT_EQ(image.pixel(799, 599), qRgb(128, 128, 128));
  EXPECT_EQ(image.pixel(1, top + 1), qRgb(128, 128, 128));  // sunken inner edge
  EXPECT_EQ(image.pixel(790, top + 10), qRgb(192, 192, 192));
  // The scale's 160 steps after "Z range=[<largest>, ".
  const std::string head = Plot3DStatusLine(*p);
  const std::string tail = std::string(TextOf(p->szMinText)) + "]";
  const int headLength = static_cast<int>(QString::fromStdString(head.substr(0, head.size() - tail.size())).size());
  const int left = Plot3DScaleLeft(headLength);
  for (int i = 0; i < 160; i += 13) {
    EXPECT_EQ(image.pixel(left + 1 + i, top + 38), QRgbOf(HlsToRgb(i, 238, 120))) << i;
  }
  // A constant block puts the focus box at the frame's left edge.
  EXPECT_EQ(Plot3DScaleMarkX(left, 5, 5, 5), left + 1);
  EXPECT_EQ(Plot3DScaleMarkX(left, 10, 0, 0), left + 160);
  EXPECT_EQ(Plot3DScaleMarkX(left, 10, 0, std::nan("")), left + 1);
}
