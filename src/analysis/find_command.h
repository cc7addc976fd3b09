// "Find data" (the Edit menu, the cell pop-up menu and the tool bar
// button): its dialog, the text search or the numeric highlight, and the
// colour map that shows the highlight.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "analysis/find_highlight.h"
#include "platform/dialogs.h"
#include "platform/window.h"

// The choices of the "Find data" dialog. The highlight colour chosen with
// "Set highlight color" is stored in the table at once (pfnChooseColour),
// so it stays even when the dialog is cancelled.
class FindDialogModel final : public DialogModel {
 public:
  FindChoice choice;
  std::string szRangeText;  // the first selected cell's text when numeric (Between's bounds)
  int iRgb = 0;             // the highlight colour, 0xRRGGBB
  // Show the colour chooser from iRgb; true (iRgb, single colour stored)
  // when a colour was chosen.
  std::function<bool(int* rgb)> pfnChooseColour;
};

inline constexpr const char* FIND_DIALOG_NAME = "Find data";

// Run the stored find: a text search (-1) or the highlight (0).
int RunFind(WindowHandle hwnd);

// The dialog and the find; after a highlight the tool states follow and
// the colour map shows the result (opened for an ordinary table). 0 after
// a highlight, -1 after a text search or for a window that is not a table,
// 1 when cancelled.
int FindData(WindowHandle hwnd);
int CmdFindData(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
