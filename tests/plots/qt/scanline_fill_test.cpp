// The scanline filler against QPainter's drawPolygon: the same pixels but
// for edge pixels, clipping, and the square that fills like Windows.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <random>

#include "plots/scanline_fill.h"

namespace {

// Distance from (px, py) to the segment a-b.
double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
  const double dx = bx - ax;
  const double dy = by - ay;
  const double len = dx * dx + dy * dy;
  double t = len > 0 ? ((px - ax) * dx + (py - ay) * dy) / len : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

}  // namespace

TEST(Plot3DScanline, MatchesQPainterExceptOnEdges) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> coordinate(-4, 68);
  int shapes = 0;
  int differing = 0;
  for (int round = 0; round < 400; ++round) {
    int xs[4];
    int ys[4];
    for (int i = 0; i < 4; ++i) xs[i] = coordinate(random), ys[i] = coordinate(random);
    const int n = round % 5 == 0 ? 3 : 4;  // triangles, convex and bow-tie quadrilaterals
    QImage ours(64, 64, QImage::Format_RGB32);
    QImage theirs(64, 64, QImage::Format_RGB32);
    ours.fill(Qt::white);
    theirs.fill(Qt::white);
    PixelBuffer buffer{reinterpret_cast<std::uint32_t*>(ours.bits()), static_cast<int>(ours.bytesPerLine() / 4), 64, 64};
    FillPolygonEvenOdd(buffer, xs, ys, n, 0xFF000000u);
    {
      QPainter painter(&theirs);
      painter.setPen(Qt::NoPen);
      painter.setBrush(Qt::black);
      QPoint points[4];
      for (int i = 0; i < n; ++i) points[i] = QPoint(xs[i], ys[i]);
      painter.drawPolygon(points, n, Qt::OddEvenFill);
    }
    ++shapes;
    for (int y = 0; y < 64; ++y) {
      for (int x = 0; x < 64; ++x) {
        if (ours.pixel(x, y) == theirs.pixel(x, y)) continue;
        ++differing;
        // A pixel may differ only when its centre lies on an edge's pixel.
        double nearest = 1e9;
        for (int i = 0; i < n; ++i) {
          const int j = (i + 1) % n;
          nearest = std::min(nearest, SegmentDistance(x + 0.5, y + 0.5, xs[i], ys[i], xs[j], ys[j]));
        }
        EXPECT_LE(nearest, 0.75) << "round " << round << " pixel " << x << "," << y;
      }
    }
  }
  RecordProperty("differing_pixels", differing);
  EXPECT_EQ(shapes, 400);
  // Edge pixels may go either way, but they stay rare.
  EXPECT_LT(differing, shapes * 6);
}

TEST(Plot3DScanline, SquareFillsTheSamePixelsAsWindowsAndQt) {
  QImage image(12, 12, QImage::Format_RGB32);
  image.fill(Qt::white);
  PixelBuffer buffer{reinterpret_cast<std::uint32_t*>(image.bits()), static_cast<int>(image.bytesPerLine() / 4), 12, 12};
  const int xs[4] = {2, 8, 8, 2};
  const int ys[4] = {2, 2, 8, 8};
  FillPolygonEvenOdd(buffer, xs, ys, 4, 0xFF000000u);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 12; ++x) {
      const bool inside = x >= 2 && x <= 7 && y >= 2 && y <= 7;
      EXPECT_EQ(image.pixel(x, y) == qRgb(0, 0, 0), inside) << x << "," << y;
    }
  }
  // Vertices far outside are clipped, never written out of bounds.
  const int far[4] = {-100000, 100000, 100000, -100000};
  const int tall[4] = {-100000, -100000, 100000, 100000};
  FillPolygonEvenOdd(buffer, far, tall, 4, 0xFF00FF00u);
  EXPECT_EQ(image.pixel(11, 11), qRgb(0, 255, 0));
}
