// The shaded ball of scatter points: filled circles from the outer radius
// down to 1, each a little lighter (or darker) and shifted towards the
// upper left, so the ball looks lit from there.
#pragma once

#include <vector>

#include "table/colour.h"

// One filled and outlined circle of a ball: its centre offset from the
// ball's centre, its radius and its colour.
struct BallRing {
  int iDx;
  int iDy;
  int iRadius;
  RgbColour colour;
};

// The rings of a ball of size `size` (radius size / 4) in `colour`, outermost
// first; `lighter` brightens towards the centre, else it darkens. A radius
// of 1 or less gives one plain circle of radius 1.
std::vector<BallRing> ShadedBallRings(int size, RgbColour colour, bool lighter);
