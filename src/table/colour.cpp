#include "table/colour.h"

#include <algorithm>

namespace {

// One channel of the standard HLS formula, hue wrapped into 0..1.
double HlsChannel(double m1, double m2, double hue) {
  if (hue < 0.0) hue += 1.0;
  if (hue > 1.0) hue -= 1.0;
  if (hue < 1.0 / 6.0) return m1 + (m2 - m1) * 6.0 * hue;
  if (hue < 0.5) return m2;
  if (hue < 2.0 / 3.0) return m1 + (m2 - m1) * (2.0 / 3.0 - hue) * 6.0;
  return m1;
}

int ToByte(double unit) { return std::clamp(static_cast<int>(unit * 255.0), 0, 255); }

}  // namespace

RgbColour HlsToRgb(int hue, int saturation, int luminance) {
  const double s = saturation / 240.0;
  const double l = luminance / 240.0;
  if (s == 0.0) {
    const int grey = ToByte(l);
    return {grey, grey, grey};
  }
  const double m2 = l > 0.5 ? l + s - l * s : l * (1.0 + s);
  const double m1 = 2.0 * l - m2;
  const double h = hue / 239.0;
  return {ToByte(HlsChannel(m1, m2, h + 1.0 / 3.0)), ToByte(HlsChannel(m1, m2, h)),
          ToByte(HlsChannel(m1, m2, h - 1.0 / 3.0))};
}

HlsColour RgbToHls(int red, int green, int blue) {
  const double r = red / 255.0;
  const double g = green / 255.0;
  const double b = blue / 255.0;
  const double mx = std::max({r, g, b});
  const double mn = std::min({r, g, b});
  const double l = (mx + mn) / 2.0;
  const double d = mx - mn;
  if (d == 0.0) return {0, static_cast<int>(l * 240.0), 0};
  const double s = l < 0.5 ? d / (mx + mn) : d / (2.0 - mx - mn);
  double h = 0.0;
  if (mx == r) {
    h = (g - b) / d;
  } else if (mx == g) {
    h = (b - r) / d + 2.0;
  } else {
    h = (r - g) / d + 4.0;
  }
  h /= 6.0;
  if (h < 0.0) h += 1.0;
  return {static_cast<int>(h * 239.0), static_cast<int>(l * 240.0), static_cast<int>(s * 240.0)};
}
