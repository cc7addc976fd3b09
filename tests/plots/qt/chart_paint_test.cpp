// Pixel probes of painted charts (interiors only): a line segment, a bar,
// the status band, and pie slices at tilts of both signs.
#include <gtest/gtest.h>

#include <cmath>

#include <QImage>
#include <QPainter>

#include "plots/chart_layout.h"
#include "plots/chart_notes.h"
#include "plots/chart_pie.h"
#include "plots/qt/chart_paint.h"
#include "plots/qt/plot_canvas.h"
#include "support/chart_fixture.h"

namespace {

constexpr int W = 800;
constexpr int H = 600;

QImage Paint(const ChartRecord& c) {
  QImage image(W, H, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter p(&image);
  ChartPaint(c, p, W, H);
  return image;
}

QRgb Rgb(const RgbColour& c) { return qRgb(c.iRed, c.iGreen, c.iBlue); }

TEST(ChartPaint, ALineSegmentRunsThroughItsMidpoint) {
  ChartPtr c = NewChart();
  SetSeries(*c, 0, {50, 50, 80, 10});
  SetSeries(*c, 1, {20, 30, 40, 10});
  ASSERT_EQ(ChartLayout(*c, W, H), 0);
  const QImage image = Paint(*c);
  const int y = ValueToY(*c, 50);
  const int x = c->iPlotLeft + c->stepPixels / 2;
  EXPECT_EQ(image.pixel(x, y), Rgb(ChartSeriesColour(*c, 0, false)));
  EXPECT_NE(image.pixel(x, y - 3), Rgb(ChartSeriesColour(*c, 0, false)));
}

TEST(ChartPaint, BarsAreFilledInTheirSeriesColour) {
  ChartPtr c = NewChart();
  SetSeries(*c, 0, {50, 70, 80});
  SetSeries(*c, 1, {10, 20, 40});  // the smallest value has no height
  c->chartKind = CHART_KIND_BAR;
  ASSERT_EQ(ChartLayout(*c, W, H), 0);
  const QImage image = Paint(*c);
  for (int s = 0; s < 2; ++s) {
    ChartBox bar{};
    ASSERT_TRUE(ChartBarBox(*c, s, 1, &bar));
    EXPECT_EQ(image.pixel((bar.iLeft + bar.iRight) / 2, (bar.iTop + bar.iBottom) / 2),
              Rgb(ChartSeriesColour(*c, s, false)))
        << s;
  }
}

TEST(ChartPaint, TheStatusBandLinesTheBottom) {
  ChartPtr c = NewChart();
  SetSeries(*c, 0, {1, 2});
  ASSERT_EQ(ChartLayout(*c, W, H), 0);
  const QImage image = Paint(*c);
  EXPECT_EQ(image.pixel(W - 10, H - 10), qRgb(192, 192, 192));
  EXPECT_EQ(image.pixel(W - 10, H - 20), qRgb(255, 255, 255));  // its raised top edge
}

TEST(ChartPaint, PieSlicesAtBothTilts) {
  for (double tilt : {-0.3927, 0.6}) {
    ChartPtr c = NewChart();
    SetSeries(*c, 0, {10, 20, 30, 40});
    c->chartKind = CHART_KIND_PIE;
    c->pieTilt = tilt;
    ASSERT_EQ(ChartLayout(*c, W, H), 0);
    ChartPieSlices(*c);
    ASSERT_TRUE(ChartPieBox(*c, H));
    ASSERT_EQ(c->sliceCount, 4);
    const QImage image = Paint(*c);
    for (int k = 0; k < 4; ++k) {
      // Half way out along the slice's middle, inside every layer.
      const double a = c->sliceAnchor[k];
      int x = 0;
      int y = 0;
      PieToClient(*c, c->iPieHalfWidth * 0.5 * std::cos(a), c->iPieHalfHeight * 0.5 * std::sin(a), &x, &y);
      EXPECT_EQ(PieSliceAt(*c, x, y), k) << tilt << " slice " << k;
      const int sign = PieSliceSign(*c, k);
      EXPECT_EQ(image.pixel(x, y), Rgb(PieSliceColour(k, 8 * sign))) << tilt << " slice " << k;
    }
  }
}

TEST(ChartPaint, PieColoursFadeToGreyPastTheirTable) {
  EXPECT_EQ(PieSliceColour(300, 0).iRed, 195);
  const RgbColour grey = PieSliceColour(260, 0);
  EXPECT_EQ(grey.iRed, grey.iGreen);
  EXPECT_EQ(grey.iGreen, grey.iBlue);
  ChartPtr c = NewChart();
  SetSeries(*c, 0, {0, 0});
  c->chartKind = CHART_KIND_PIE;
  ASSERT_EQ(ChartLayout(*c, W, H), 0);
  ChartPieSlices(*c);
  EXPECT_EQ(c->dPieTotal, 0);
  EXPECT_EQ(PieSliceAt(*c, 200, 200), -1);  // no pie to hit
  Paint(*c);
}

}  // namespace
