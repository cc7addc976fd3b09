#include "shell/formula_bar_layout.h"

namespace {

constexpr int UPPER_TOP = 2;
constexpr int UPPER_HEIGHT = 40;  // rows 2..41
constexpr int UPPER_WIDTH = 81;
constexpr int UPPER_STEP = 80;    // neighbours share their edge column
constexpr int LOWER_TOP = 69;
constexpr int LOWER_HEIGHT = 26;  // rows 69..94
constexpr int LIST_HEIGHT = 22;
constexpr int GAP = 2;
constexpr int BUTTONS_TO_LISTS = 8;

// Widths of the lower buttons, right to left from button 11.
constexpr int kLowerWidths[BAR_LOWER_BUTTONS] = {25, 25, 25, 25, 25, 25, 25, 32, 25, 25, 66, 70};

}  // namespace

FormulaBarLayout FormulaBarLayoutFor(int width) {
  FormulaBarLayout layout{};
  for (int i = 0; i < BAR_UPPER_BUTTONS; ++i) {
    layout.buttons[static_cast<std::size_t>(i)] = {1 + UPPER_STEP * i, UPPER_TOP, UPPER_WIDTH, UPPER_HEIGHT};
  }
  layout.target = {5, 47, 100, 16};
  layout.state = {111, 44, 80, LIST_HEIGHT};
  layout.formula = {197, 47, width - 203, 16};

  const bool narrow = width < BAR_NARROW_WIDTH;
  const int statsWidth = narrow ? 70 : 160;
  const int mathWidth = narrow ? 50 : 100;
  const int decimalsWidth = narrow ? 30 : 110;
  layout.stats = {width - statsWidth, LOWER_TOP, statsWidth, LIST_HEIGHT};
  layout.math = {layout.stats.x - GAP - mathWidth, LOWER_TOP, mathWidth, LIST_HEIGHT};
  layout.decimals = {layout.math.x - GAP - decimalsWidth, LOWER_TOP, decimalsWidth, LIST_HEIGHT};

  int right = layout.decimals.x - BUTTONS_TO_LISTS;
  for (int i = BAR_LOWER_BUTTONS - 1; i >= 0; --i) {
    const int w = kLowerWidths[i];
    layout.buttons[static_cast<std::size_t>(BAR_FIRST_LOWER + i)] = {right - w, LOWER_TOP, w, LOWER_HEIGHT};
    right -= w + GAP;
  }
  return layout;
}

int FormulaBarButtonAt(const FormulaBarLayout& layout, int x, int y) {
  for (int i = 0; i < BAR_BUTTONS; ++i) {
    const WindowRect& r = layout.buttons[static_cast<std::size_t>(i)];
    if (x >= r.x && x < r.x + r.cx && y >= r.y && y < r.y + r.cy) return i;
  }
  return -1;
}
