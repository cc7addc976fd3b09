// Conversion between hue/lightness/saturation (0..240 scale, hue 0..239)
// and red/green/blue (0..255).
#pragma once

struct RgbColour {
  int iRed;
  int iGreen;
  int iBlue;
};

struct HlsColour {
  int iHue;
  int iLum;
  int iSat;
};

RgbColour HlsToRgb(int hue, int saturation, int luminance);
HlsColour RgbToHls(int red, int green, int blue);
