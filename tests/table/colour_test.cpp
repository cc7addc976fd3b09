#include "table/colour.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "table/table_record.h"

namespace {

struct HlsCase {
  int hue, sat, lum;
  int red, green, blue;
};

TEST(HlsToRgb, KnownColours) {
  const HlsCase cases[] = {
      {0, 240, 120, 255, 0, 0},      // red
      // A third of the circle is 79.67 hue units, so green and blue fall
      // between two hues and pick up a trace of a neighbour.
      {80, 240, 120, 0, 255, 2},     // 6 * (80/239 - 1/3) * 255 = 2.1
      {160, 240, 120, 4, 0, 255},
      {40, 240, 120, 253, 255, 0},   // yellow
      {0, 0, 0, 0, 0, 0},            // black
      {123, 0, 240, 255, 255, 255},  // white, whatever the hue
      {0, 0, 120, 127, 127, 127},    // grey: trunc(0.5 * 255)
      {200, 0, 60, 63, 63, 63},
  };
  for (const HlsCase& c : cases) {
    const RgbColour rgb = HlsToRgb(c.hue, c.sat, c.lum);
    EXPECT_EQ(rgb.iRed, c.red) << c.hue << "," << c.sat << "," << c.lum;
    EXPECT_EQ(rgb.iGreen, c.green) << c.hue << "," << c.sat << "," << c.lum;
    EXPECT_EQ(rgb.iBlue, c.blue) << c.hue << "," << c.sat << "," << c.lum;
  }
}

TEST(HlsToRgb, DefaultTextColourIsANearBlackDarkBlue) {
  // The cell keeps hue, luminance, saturation; the conversion takes hue,
  // saturation, luminance.
  const RgbColour rgb = HlsToRgb(DEFAULT_TEXT_HUE, DEFAULT_TEXT_SAT, DEFAULT_TEXT_LUM);
  EXPECT_EQ(rgb.iRed, 5);
  EXPECT_EQ(rgb.iGreen, 5);
  EXPECT_EQ(rgb.iBlue, 15);
}

TEST(RgbToHls, KnownColours) {
  const struct {
    int red, green, blue;
    int hue, lum, sat;
  } cases[] = {
      {255, 0, 0, 0, 120, 240},
      {0, 255, 0, 79, 120, 240},   // trunc(239 / 3)
      {0, 0, 255, 159, 120, 240},
      {255, 255, 255, 0, 240, 0},
      {0, 0, 0, 0, 0, 0},
      {128, 128, 128, 0, 120, 0},
      {255, 0, 128, 219, 120, 240},  // red largest, blue above green: the hue wraps
  };
  for (const auto& c : cases) {
    const HlsColour hls = RgbToHls(c.red, c.green, c.blue);
    EXPECT_EQ(hls.iHue, c.hue) << c.red << "," << c.green << "," << c.blue;
    EXPECT_EQ(hls.iLum, c.lum) << c.red << "," << c.green << "," << c.blue;
    EXPECT_EQ(hls.iSat, c.sat) << c.red << "," << c.green << "," << c.blue;
  }
}

TEST(ColourConversion, GreysRoundTripWithinOneUnit) {
  for (int level = 0; level <= 255; ++level) {
    const HlsColour hls = RgbToHls(level, level, level);
    EXPECT_EQ(hls.iSat, 0);
    const RgbColour back = HlsToRgb(hls.iHue, hls.iSat, hls.iLum);
    EXPECT_LE(std::abs(back.iRed - level), 1) << level;
    EXPECT_EQ(back.iRed, back.iGreen);
    EXPECT_EQ(back.iRed, back.iBlue);
  }
}

TEST(ColourConversion, HlsRoundTripsWithinTheTruncationOfEachStep) {
  // Both directions truncate, so a round trip may lose a unit or two; the
  // hue, with 239 steps around the circle, loses the most where the
  // saturation is low.
  for (int hue = 0; hue < 240; hue += 7) {
    for (int sat = 60; sat <= 240; sat += 30) {
      for (int lum = 40; lum <= 200; lum += 20) {
        const RgbColour rgb = HlsToRgb(hue, sat, lum);
        const HlsColour back = RgbToHls(rgb.iRed, rgb.iGreen, rgb.iBlue);
        const int hueError = std::min(std::abs(back.iHue - hue), 239 - std::abs(back.iHue - hue));
        EXPECT_LE(hueError, 3) << hue << "," << sat << "," << lum;
        EXPECT_LE(std::abs(back.iLum - lum), 1) << hue << "," << sat << "," << lum;
        EXPECT_LE(std::abs(back.iSat - sat), 5) << hue << "," << sat << "," << lum;
      }
    }
  }
}

TEST(ColourConversion, RgbRoundTripsWithinOneHueStep) {
  // One hue step is 1/239 of the circle, up to about 6.4 units of a
  // saturated channel, and the truncations add at most two more.
  for (int r = 0; r < 256; r += 15) {
    for (int g = 0; g < 256; g += 15) {
      for (int b = 0; b < 256; b += 15) {
        const HlsColour hls = RgbToHls(r, g, b);
        const RgbColour back = HlsToRgb(hls.iHue, hls.iSat, hls.iLum);
        EXPECT_LE(std::abs(back.iRed - r), 8) << r << "," << g << "," << b;
        EXPECT_LE(std::abs(back.iGreen - g), 8) << r << "," << g << "," << b;
        EXPECT_LE(std::abs(back.iBlue - b), 8) << r << "," << g << "," << b;
      }
    }
  }
}

}  // namespace
