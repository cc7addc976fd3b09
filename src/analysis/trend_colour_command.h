// "Data trend color analysis" (the table menu, the cell pop-up menu and the
// tool bar button): the dialog, colouring the table, and its colour map, a
// second table window that shows the coloured cells as a compact picture
// and scrolls with it.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/dialogs.h"
#include "platform/window.h"

// The choices of the dialog. The hue sliders store both hues in the table
// as soon as a thumb is released (pfnStoreHues), so they stay even when the
// dialog is cancelled.
class TrendDialogModel final : public DialogModel {
 public:
  int iCompareMode = 0;  // TREND_ALL_DATA, TREND_ROW or TREND_COLUMN
  bool bRelief = false;
  int iHueStart = 0;     // H1, slider 0..90
  int iHueEnd = 200;     // H2, slider 100..200
  std::function<void(int hueStart, int hueEnd)> pfnStoreHues;
};

// The dialog's name (its caption in English).
inline constexpr const char* TREND_DIALOG_NAME = "Data trend color analysis";

// Run the dialog for a table: on OK store the settings, colour the table,
// and refresh its colour map or open one. 0 after colouring, 1 when
// cancelled, -1 for a window that is not a table.
int TrendColourRun(WindowHandle hwnd);

// The command as a table window command.
int CmdTrendColour(WindowHandle hwnd, unsigned id, std::intptr_t lParam);

// Copy a table's cells, colours and settings into its colour map, opening
// the map when the table has none. The map window, or None when it could
// not be opened.
WindowHandle TrendShowColourMap(WindowHandle source);

// A table window that is the colour map of another table (its link flag).
bool TrendIsColourMap(WindowHandle hwnd);

// The image-pixel button (2003): show or hide the browse panel of a
// coloured table.
int CmdTogglePixelInfo(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
