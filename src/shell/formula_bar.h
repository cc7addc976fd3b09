// The formula bar: the strip of tool buttons and the formula editor above
// the documents (window class "ToolbarBase"). It shows the target cell and
// the formula of the active table, builds formula text from the selected
// cells with its operator buttons and function lists, and runs,
// deactivates and deletes formulas through the formula registry.
#pragma once

#include <array>
#include <cstdint>

#include "table/formula_slot.h"
#include "platform/window.h"
#include "shell/formula_bar_layout.h"

// The bar is as high as FORMULA_BAR_HEIGHT (frame_window.h).

// The target box takes at most this many characters, the formula box
// FORMULA_BAR_TEXT_LIMIT.
inline constexpr int FORMULA_BAR_TARGET_LIMIT = 19;
inline constexpr int FORMULA_BAR_TEXT_LIMIT = 999;
// A lower button's tooltip stays this long.
inline constexpr unsigned FORMULA_BAR_TIP_MS = 6000;
inline constexpr unsigned TIMER_BAR_TIP = 6000;

// Entries of the state list.
enum BarStateEntry : int {
  BAR_STATE_EDIT = 0,
  BAR_STATE_DELETE = 1,
  BAR_STATE_INACTIVE = 2,
  BAR_STATE_RUN = 3,
};

// What the bar keeps between messages.
struct FormulaBarState {
  FormulaBarLayout layout{};
  int iWidth = 0;
  WindowHandle hTarget = WindowHandle::None;
  WindowHandle hState = WindowHandle::None;
  WindowHandle hFormula = WindowHandle::None;
  WindowHandle hMath = WindowHandle::None;
  WindowHandle hStats = WindowHandle::None;
  WindowHandle hDecimals = WindowHandle::None;
  // The table the shown target belongs to.
  WindowHandle hTargetTable = WindowHandle::None;
  // The formula text last shown for the current target.
  std::array<char, FORMULA_TEXT_BYTES> szShownFormula{};
  int iLastState = BAR_STATE_EDIT;
  int iLastDecimals = 0;
  int bEnabled = 0;      // the lower row and the boxes work (a table is active)
  int bFilling = 0;      // the bar itself is writing its boxes and lists
  int iHotButton = -1;   // the enabled button under the pointer
  int iPressedButton = -1;
  int bPressedInside = 0;  // the pointer is still over the pressed button
  int iTipButton = -1;     // the lower button whose tooltip shows
};

std::intptr_t FormulaBarProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

// The bar's state; null for a window that is not the formula bar.
FormulaBarState* FormulaBarStateOf(WindowHandle hwnd);

// Whether button b (0..21) works now.
bool FormulaBarButtonEnabled(const FormulaBarState& bar, int b);

// Put the bar's entries for the formula menu of a table (View shows the
// target; Delete clears the bar when it shows that target; Run and
// Inactive show it anew) into the table's input hooks.
void InstallFormulaBarHooks();
