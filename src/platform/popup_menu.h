// Pop-up menus: a list of items shown at a point of a window; the chosen
// item's command id comes back (0 when the menu was dismissed). Grayed
// items are shown but cannot be chosen. In script mode (tests) the answer
// comes from a queue and no menu is shown.
#pragma once

#include <string>
#include <vector>

#include "platform/window.h"

struct PopupMenuItem {
  int iCommand = 0;  // 0: a separator line
  std::string szText;
  bool bGrayed = false;
};

struct PopupMenuList {
  std::vector<PopupMenuItem> items;
};

// Show `menu` at client point (x, y) of `owner`; the chosen command, or 0.
// An answer that is not an enabled item of the menu counts as dismissed.
int ShowPopupMenu(WindowHandle owner, int x, int y, const PopupMenuList& menu);

// ---- Script mode -------------------------------------------------------
void PopupScriptBegin();
void PopupScriptEnd();
// The answer of the next menu shown (a command id, or 0 to dismiss it; a
// grayed item's id dismisses it too).
void PopupScriptPush(int command);
// The menus shown since PopupScriptBegin, with their items' states.
const std::vector<PopupMenuList>& PopupScriptShown();
