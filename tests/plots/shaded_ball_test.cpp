// The rings of the shaded ball.
#include <gtest/gtest.h>

#include "plots/shaded_ball.h"

namespace {

TEST(ShadedBall, RingsRunFromTheRadiusDownWithinTheLightnessBounds) {
  const struct {
    int size;
    RgbColour colour;
    bool lighter;
  } cases[] = {
      {4, {200, 10, 10}, true},      // radius 1: one plain circle
      {8, {10, 200, 10}, true},      // radius 2
      {40, {128, 128, 128}, true},   // a grey: hue 0, saturation 0
      {64, {255, 255, 255}, false},  // white, darker
      {240, {20, 40, 220}, true},    // radius 60: the slowest steps
  };
  for (const auto& c : cases) {
    const std::vector<BallRing> rings = ShadedBallRings(c.size, c.colour, c.lighter);
    const int radius = std::max(c.size / 4, 1);
    ASSERT_EQ(static_cast<int>(rings.size()), radius) << c.size;
    for (std::size_t i = 0; i < rings.size(); ++i) {
      EXPECT_EQ(rings[i].iRadius, radius - static_cast<int>(i));
      EXPECT_LE(rings[i].iDx, 0);
      EXPECT_EQ(rings[i].iDx, rings[i].iDy);
      for (int channel : {rings[i].colour.iRed, rings[i].colour.iGreen, rings[i].colour.iBlue}) {
        EXPECT_GE(channel, 0);
        EXPECT_LE(channel, 255);
      }
    }
  }
  // A radius of 1 keeps the colour itself.
  const std::vector<BallRing> dot = ShadedBallRings(5, {200, 10, 10}, true);
  EXPECT_EQ(dot[0].colour.iRed, 200);
  // A lighter ball gets lighter towards its centre.
  const std::vector<BallRing> ball = ShadedBallRings(80, {20, 40, 220}, true);
  const auto lum = [](const RgbColour& c) { return RgbToHls(c.iRed, c.iGreen, c.iBlue).iLum; };
  EXPECT_GT(lum(ball.back().colour), lum(ball.front().colour));
  EXPECT_LT(ball.back().iDx, 0);  // shifted towards the upper left
}

}  // namespace
