#include "plots/plot3d_colours.h"

#include <algorithm>
#include <cmath>

#include "table/colour.h"

namespace {

int& Channel(Plot3DHls& c, int channel) { return channel == 0 ? c.h : channel == 1 ? c.s : c.l; }
int Channel(const Plot3DHls& c, int channel) { return channel == 0 ? c.h : channel == 1 ? c.s : c.l; }

// A height as the integer the colour rules compare, finite and bounded.
int HeightInt(double z) {
  if (!std::isfinite(z)) return 0;
  return static_cast<int>(std::clamp(z, -1.0e9, 1.0e9));
}

// Window sizes of surface smoothing mode 1 by coefficient: hue,
// saturation, lightness.
void SmoothWindows(int coef, int* hue, int* sat, int* lum) {
  if (coef == 3) {
    *hue = 0, *sat = 3, *lum = 3;
  } else if (coef >= 11) {
    *hue = 7, *sat = 9, *lum = 11;
  } else {
    *hue = coef - 2, *sat = coef - 2, *lum = coef;
  }
}

// Smooth (mode 1) or sharpen (mode 2) the channels of hlsSource into
// hlsSmooth; `hueToo` smooths the hue as well in mode 1.
void SmoothColours(Plot3DRecord& p, bool hueToo) {
  int windows[3] = {0, 0, 0};
  const int coef = p.iColourSmoothCoef;
  if (p.iColourSmoothMode == 1) {
    SmoothWindows(coef, &windows[0], &windows[1], &windows[2]);
    if (!hueToo) windows[0] = 0;
  }
  for (int c = 0; c < p.iRows; ++c) {
    for (int n = 0; n < p.iCols; ++n) {
      Plot3DHls out = p.hlsSource[c][n];
      if (p.iColourSmoothMode == 1) {
        for (int ch = 0; ch < 3; ++ch) {
          if (windows[ch] > 0) Channel(out, ch) = Plot3DSmoothChannel(p.hlsSource, p.iRows, p.iCols, c, n, windows[ch], ch);
        }
      } else if (p.iColourSmoothMode == 2 && coef > 0) {
        const int mean = Plot3DSmoothChannel(p.hlsSource, p.iRows, p.iCols, c, n, coef, 2);
        out.l = static_cast<int>(1.9 * p.hlsSource[c][n].l - mean);
      }
      p.hlsSmooth[c][n] = out;
    }
  }
}

}  // namespace

int Plot3DFalseHue(int z, int low, int high) {
  const long long d = static_cast<long long>(high) - low;
  long long hue = 0;
  if (d < 160) {
    const long long f = std::clamp<long long>(160 / (d == 0 ? 1 : d), 1, 80);
    hue = 160 - (static_cast<long long>(z) - low) * f;
  } else {
    const long long f = d / 160 + 1;
    hue = 160 - (static_cast<long long>(z) - low) / f;
  }
  return static_cast<int>(std::clamp<long long>(hue, 0, 239));
}

int Plot3DSmoothChannel(const Plot3DGrid<Plot3DHls>& src, int rows, int cols, int c, int n, int w, int channel) {
  long long sum = 0;
  int count = 0;
  for (int i = std::max(c - w / 2, 0); i <= std::min(c + w / 2, rows - 1); ++i) {
    if (i == c) continue;
    for (int j = std::max(n - w / 2, 0); j <= std::min(n + w / 2, cols - 1); ++j) {
      if (j == n) continue;
      sum += Channel(src[i][j], channel);
      ++count;
    }
  }
  return count > 0 ? static_cast<int>(sum / count) : Channel(src[c][n], channel);
}

void Plot3DComputeColours(Plot3DRecord& p) {
  if (p.bCustomColour) return;
  const bool falseColour = p.iColouring == PLOT3D_COLOUR_FALSE;
  if (!falseColour && p.iColourSmoothMode == 0 && !p.bLightness) return;
  int high = -50000;
  int low = 10000;
  if (falseColour) {
    for (int i = 0; i < p.iRows; ++i) {
      for (int j = 0; j < p.iCols; ++j) {
        if (p.nodeValid[i][j] != 1) continue;
        high = std::max(high, HeightInt(p.cornerZ[i][j][0]));
        low = std::min(low, HeightInt(p.cornerZ[i][j][0]));
      }
    }
  }
  for (int i = 0; i < p.iRows; ++i) {
    for (int j = 0; j < p.iCols; ++j) {
      const Plot3DRgb& rgb = p.nodeRgb[i][j];
      const HlsColour hls = RgbToHls(rgb.r, rgb.g, rgb.b);
      if (falseColour) {
        p.hlsSource[i][j] = {Plot3DFalseHue(HeightInt(p.cornerZ[i][j][0]), low, high), 240, hls.iLum / 4 + 82};
      } else {
        p.hlsSource[i][j] = {hls.iHue, hls.iSat, hls.iLum};
      }
    }
  }
  const bool smoothing = p.iColourSmoothMode != 0 && p.iColourSmoothCoef != 0;
  if (smoothing) SmoothColours(p, !falseColour);
  const Plot3DGrid<Plot3DHls>& from = smoothing ? p.hlsSmooth : p.hlsSource;
  for (int i = 0; i < p.iRows; ++i) {
    for (int j = 0; j < p.iCols; ++j) {
      const Plot3DHls& c = from[i][j];
      const int lum = std::clamp(c.l + p.iLightness, 0, 240);
      const RgbColour rgb = HlsToRgb(std::clamp(c.h, 0, 239), std::clamp(c.s, 0, 240), lum);
      p.finalRgb[i][j] = {rgb.iRed, rgb.iGreen, rgb.iBlue};
    }
  }
}

Plot3DRgb Plot3DNodeColour(const Plot3DRecord& p, int row, int col) {
  if (p.bCustomColour) return p.custom;
  if (p.bLightness || p.iColourSmoothMode != 0 || p.iColouring == PLOT3D_COLOUR_FALSE) return p.finalRgb[row][col];
  return p.nodeRgb[row][col];
}
