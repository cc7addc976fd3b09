// Balls and dots from the sprite cache equal those drawn ring by ring.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "plots/qt/ball_sprites.h"

namespace {

QImage WhiteImage(int w = 120, int h = 80) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

TEST(BallSprites, SpriteBallsEqualBallsDrawnRingByRing) {
  for (int size : {4, 8, 17, 36, 64}) {
    QImage direct = WhiteImage();
    QImage cached = WhiteImage();
    {
      QPainter p(&direct);
      DrawBallRings(p, size, 50, 40, qRgb(30, 160, 90), true);
    }
    {
      QPainter p(&cached);
      DrawBall(p, size, 50, 40, qRgb(30, 160, 90), true);
      DrawBall(p, size, 50, 40, qRgb(30, 160, 90), true);  // the second comes from the cache
    }
    EXPECT_EQ(direct, cached) << size;
    // A clipped painter takes the sprite through drawImage: the same pixels.
    QImage clipped = WhiteImage();
    {
      QPainter p(&clipped);
      p.setClipRect(0, 0, 120, 80);
      DrawBall(p, size, 50, 40, qRgb(30, 160, 90), true);
    }
    EXPECT_EQ(direct, clipped) << size;
  }
  QImage dot = WhiteImage();
  {
    QPainter p(&dot);
    DrawDotSprite(p, 20, 20, qRgb(200, 0, 0));
  }
  EXPECT_EQ(dot.pixel(20, 20), qRgb(200, 0, 0));
  EXPECT_EQ(dot.pixel(24, 24), qRgb(255, 255, 255));
  // Balls at the image's edges are cut, not written outside it.
  QImage edge = WhiteImage(10, 10);
  {
    QPainter p(&edge);
    DrawBall(p, 40, 0, 0, qRgb(30, 160, 90), true);
    DrawBall(p, 40, 10, 10, qRgb(30, 160, 90), true);
  }
  EXPECT_NE(edge.pixel(1, 1), qRgb(255, 255, 255));
  EXPECT_NE(edge.pixel(9, 9), qRgb(255, 255, 255));
}

}  // namespace
