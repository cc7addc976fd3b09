// The chart's dialogs as models the views fill and tests answer by script:
// "Drawing mode options", "Set Y range", "Set X Unit Size", "Curve adjust"
// and "Set note". The run functions check what the user typed and show
// the dialog again after a message when it cannot be taken.
#pragma once

#include <string>

#include "platform/dialogs.h"
#include "platform/window.h"

inline constexpr const char* CHART_MODE_DIALOG = "Drawing mode options";
inline constexpr const char* CHART_Y_RANGE_DIALOG = "Set Y range";
inline constexpr const char* CHART_X_UNIT_DIALOG = "Set X Unit Size";
inline constexpr const char* CHART_ADJUST_DIALOG = "Curve adjust";
inline constexpr const char* CHART_NOTE_DIALOG = "Set note";

// The button id of "Automatic  Y range" in "Set Y range" and of Delete in
// "Set note".
inline constexpr int CHART_BUTTON_AUTOMATIC = 1241;
inline constexpr int CHART_BUTTON_DELETE = 1241;

class ChartModeModel final : public DialogModel {
 public:
  int iMode = 0;  // DRAW_BY_ROW or DRAW_BY_COLUMN
};

class ChartYRangeModel final : public DialogModel {
 public:
  std::string szMax;  // at most 19 characters each
  std::string szMin;
};

class ChartXUnitModel final : public DialogModel {
 public:
  int iMode = 0;              // X_UNIT_*
  std::string szValue;        // the custom value as typed
  double dSmallest = 0.0;     // smallest supported unit
  double dMinDifference = 1.0;
  bool bMinDifferenceAllowed = true;
};

class ChartAdjustModel final : public DialogModel {
 public:
  std::string szChoice;  // one of CHART_SMOOTHING_CHOICES
};

class ChartNoteModel final : public DialogModel {
 public:
  std::string szText;  // at most 28 characters
};

// Ask the drawing mode, starting from `mode`: DRAW_BY_ROW or DRAW_BY_COLUMN,
// or 0 when cancelled.
int AskDrawingMode(WindowHandle owner, int mode);

// "Set Y range" from the range given: 0 with max >= min set (a reversed
// pair is swapped), 1 when cancelled, 2 for "Automatic  Y range". Texts
// that are not numbers bring a message and the dialog again.
int AskYRange(WindowHandle owner, double* max, double* min);

// "Set X Unit Size": 0 with the mode and custom unit set, 1 when
// cancelled. A custom unit below `smallest` brings "Smallest supported unit
// size is " and the dialog again.
int AskXUnit(WindowHandle owner, double smallest, double minDifference, int* mode, double* unit);

// "Curve adjust" starting from `choice`: 0 with the choice set, 1 when
// cancelled.
int AskSmoothing(WindowHandle owner, std::string* choice);

// "Set note" with `text`: BUTTON_OK with the text set (cut to 28
// characters), BUTTON_CANCEL, or CHART_BUTTON_DELETE.
int AskNote(WindowHandle owner, std::string* text);

// A text cut to at most `chars` characters without splitting one.
std::string CutToCharacters(const std::string& text, int chars);
