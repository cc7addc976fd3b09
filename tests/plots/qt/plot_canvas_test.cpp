// The drawing conventions of plots on an RGB32 image: box edges, top-anchored
// text and exclusive-or lines that come off again.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "plots/qt/plot_canvas.h"

namespace {

QImage WhiteImage(int w = 120, int h = 80) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

TEST(PlotCanvas, BoxesExcludeTheirRightAndBottomEdges) {
  QImage image = WhiteImage();
  {
    QPainter p(&image);
    DrawBox(p, 2, 2, 8, 8, Qt::black, Qt::red);
    FillBox(p, 20, 2, 26, 8, Qt::blue);
  }
  EXPECT_EQ(image.pixel(7, 7), qRgb(0, 0, 0));  // the outline's last pixel
  EXPECT_EQ(image.pixel(8, 8), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(5, 5), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(25, 7), qRgb(0, 0, 255));
  EXPECT_EQ(image.pixel(26, 7), qRgb(255, 255, 255));
}

TEST(PlotCanvas, TextHangsBelowItsAnchor) {
  QImage image = WhiteImage();
  {
    QPainter p(&image);
    p.setFont(PlotLabelFont());
    p.setPen(Qt::black);
    DrawTextTop(p, 10, 30, QStringLiteral("HX"));
  }
  bool above = false;
  bool below = false;
  for (int x = 0; x < image.width(); ++x) {
    for (int y = 0; y < 30; ++y) above |= image.pixel(x, y) != qRgb(255, 255, 255);
    for (int y = 30; y < 45; ++y) below |= image.pixel(x, y) != qRgb(255, 255, 255);
  }
  EXPECT_FALSE(above);
  EXPECT_TRUE(below);
}

TEST(PlotCanvas, ExclusiveOrLinesComeOffWhenDrawnTwice) {
  QImage image = WhiteImage();
  {
    QPainter p(&image);
    FillBox(p, 0, 0, 60, 80, QColor(10, 20, 30));
  }
  const QImage before = image;
  const QColor orange(254, 154, 18);
  {
    QPainter p(&image);
    XorHorizontal(p, 0, 120, 40, orange);
    XorVertical(p, 70, 0, 80, orange);
  }
  EXPECT_EQ(image.pixel(90, 40), qRgb(1, 101, 237));
  EXPECT_EQ(image.pixel(30, 40), qRgb(10 ^ 254, 20 ^ 154, 30 ^ 18));
  EXPECT_EQ(image.pixel(70, 10), qRgb(1, 101, 237));
  {
    QPainter p(&image);
    XorHorizontal(p, 0, 120, 40, orange);
    XorVertical(p, 70, 0, 80, orange);
  }
  EXPECT_EQ(image, before);
}

}  // namespace
