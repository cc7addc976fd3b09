// The colour chooser: a starting colour, sixteen custom colours, and the
// colour chosen. Runs through the dialog service as the custom dialog
// "Color", so tests answer it by script.
#pragma once

#include <array>

#include "platform/dialogs.h"
#include "platform/window.h"

inline constexpr const char* COLOUR_DIALOG_NAME = "Color";

// Colours as 0xRRGGBB.
class ColourChoiceModel final : public DialogModel {
 public:
  int iRgb = 0;                   // in: the starting colour; out: the chosen one
  std::array<int, 16> customColours{};
};

// Show the chooser, fully open, starting from `*rgb` with custom colours
// that step down from white by 16 per channel (255,255,255; 239,239,239;
// ...; 15,15,15). 0 with *rgb set on OK, 1 when cancelled.
int ChooseColour(WindowHandle owner, int* rgb);

// 0xRRGGBB from channels, and back.
constexpr int PackRgb(int red, int green, int blue) { return (red & 255) << 16 | (green & 255) << 8 | (blue & 255); }
constexpr int RedOf(int rgb) { return rgb >> 16 & 255; }
constexpr int GreenOf(int rgb) { return rgb >> 8 & 255; }
constexpr int BlueOf(int rgb) { return rgb & 255; }
