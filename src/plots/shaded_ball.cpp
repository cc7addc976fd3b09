#include "plots/shaded_ball.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// How much faster the lightness moves per ring, by the ball's radius.
double StepIncrease(int radius, double step, int ring, double offset) {
  if (radius >= 53) return step + 0.02 - offset;
  if (radius >= 43) return step + 0.16 - offset;
  if (radius >= 33) return step + 0.22 - offset;
  if (radius >= 17) return step + 0.28 - offset;
  // Small balls brighten fast; a step that turned negative adds nothing.
  const double base = std::max(step * 3.8 / ring, 0.0);
  return step + std::pow(base, 1.0 / 1.9) - offset;
}

}  // namespace

std::vector<BallRing> ShadedBallRings(int size, RgbColour colour, bool lighter) {
  const int radius = size / 4;
  if (radius <= 1) return {BallRing{0, 0, 1, colour}};
  const HlsColour hls = RgbToHls(colour.iRed, colour.iGreen, colour.iBlue);
  std::vector<BallRing> rings;
  rings.reserve(static_cast<std::size_t>(radius));
  int lightness = hls.iLum;
  double step = 0.2;
  double shift = 0.5;
  int desaturate = 4;
  const int fromGreen = std::abs(hls.iHue - 80);
  const double offset = fromGreen <= 80 ? (80 - fromGreen) / 445.0 : 0.05;
  for (int ring = radius; ring >= 1; --ring) {
    const int change = static_cast<int>(step);
    lightness = lighter ? std::min(lightness + change, 235) : std::max(lightness - change, 20);
    const int saturation = std::clamp(desaturate > 0 ? hls.iSat - 8 * desaturate : hls.iSat, 0, 240);
    const int move = -static_cast<int>(shift / 2.0);
    rings.push_back(BallRing{move, move, ring, HlsToRgb(hls.iHue, saturation, lightness)});
    if (desaturate >= 0) --desaturate;
    shift += 0.6;
    step = StepIncrease(radius, step, ring, offset);
  }
  return rings;
}
