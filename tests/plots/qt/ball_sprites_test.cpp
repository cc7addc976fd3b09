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
  }
  QImage dot = WhiteImage();
  {
    QPainter p(&dot);
    DrawDotSprite(p, 20, 20, qRgb(200, 0, 0));
  }
  EXPECT_EQ(dot.pixel(20, 20), qRgb(200, 0, 0));
  EXPECT_EQ(dot.pixel(24, 24), qRgb(255, 255, 255));
}

}  // namespace
