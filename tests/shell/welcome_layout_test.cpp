#include "shell/welcome_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

TEST(ComputeWelcomeLayout, StripIsAsHighAsThePictureButInsideTheClient) {
  const struct {
    int clientHeight, pictureHeight, stripHeight;
  } cases[] = {
      {300, 500, 280}, {300, 200, 200}, {300, 0, 0}, {10, 200, 0},
  };
  for (const auto& c : cases) {
    const WelcomeLayout layout = ComputeWelcomeLayout(c.clientHeight, c.pictureHeight);
    EXPECT_EQ(layout.strip.x, 10);
    EXPECT_EQ(layout.strip.y, 10);
    EXPECT_EQ(layout.strip.cx, 100);
    EXPECT_EQ(layout.strip.cy, c.stripHeight) << c.clientHeight << " / " << c.pictureHeight;
  }
  const WelcomeLayout layout = ComputeWelcomeLayout(300, 100);
  EXPECT_EQ(layout.iSystemNameX, 140);
  EXPECT_EQ(layout.iSystemNameY, 21);
  EXPECT_EQ(layout.iTitleY, 110);
  EXPECT_EQ(layout.iSubtitleY, 180);
  EXPECT_EQ(WelcomeCentredTextX(600, 100), 305);
}

std::vector<int> Offsets(int pictureWidth, int steps) {
  PictureStripMotion motion;
  std::vector<int> offsets;
  for (int i = 0; i < steps; ++i) {
    PictureStripStep(motion, pictureWidth);
    offsets.push_back(motion.iOffset);
  }
  return offsets;
}

TEST(PictureStripStep, SwingsBetweenZeroAndNinetyFromTheRightEdge) {
  // A picture 100 wide goes left until its right edge is at 90 (offset
  // -10), back to 0, and left again.
  const std::vector<int> expected = {-1, -2, -3, -4, -5, -6, -7, -8, -9, -10, -9,
                                     -8, -7, -6, -5, -4, -3, -2, -1, 0,   -1};
  EXPECT_EQ(Offsets(100, 21), expected);

  const std::vector<int> wide = Offsets(1000, 2000);
  EXPECT_EQ(*std::min_element(wide.begin(), wide.end()), -910);
  EXPECT_EQ(*std::max_element(wide.begin(), wide.end()), 0);
}

TEST(PictureStripStep, NarrowPicturesStayPut) {
  for (int width : {0, 50, 90}) {
    for (int offset : Offsets(width, 50)) ASSERT_EQ(offset, 0) << width;
  }
}

}  // namespace
