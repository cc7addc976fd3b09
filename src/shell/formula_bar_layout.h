// Where the formula bar's buttons, boxes and lists sit, for a bar width.
#pragma once

#include <array>

#include "platform/window.h"

inline constexpr int BAR_UPPER_BUTTONS = 10;
inline constexpr int BAR_LOWER_BUTTONS = 12;
// Button numbers: the upper row first (0..9), then the lower row (10..21).
inline constexpr int BAR_FIRST_LOWER = BAR_UPPER_BUTTONS;
inline constexpr int BAR_BUTTONS = BAR_UPPER_BUTTONS + BAR_LOWER_BUTTONS;
// Below this width the three lists take their narrow widths.
inline constexpr int BAR_NARROW_WIDTH = 717;

// The lower row's buttons.
enum LowerButton : int {
  LOWER_FILL_COLOUR = 0,
  LOWER_BORDER_COLOUR,
  LOWER_ADD,
  LOWER_SUBTRACT,
  LOWER_MULTIPLY,
  LOWER_DIVIDE,
  LOWER_POWER,
  LOWER_BRACKETS,
  LOWER_IF,
  LOWER_RUN,
  LOWER_GET_CELLS,
  LOWER_VIEW_CELLS,
};

struct FormulaBarLayout {
  std::array<WindowRect, BAR_BUTTONS> buttons;
  WindowRect target;
  WindowRect state;
  WindowRect formula;
  WindowRect decimals;
  WindowRect math;
  WindowRect stats;
};

FormulaBarLayout FormulaBarLayoutFor(int width);

// The button (0..21) holding point (x, y), -1 for none.
int FormulaBarButtonAt(const FormulaBarLayout& layout, int x, int y);
