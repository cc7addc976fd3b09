// Menu bars as plain data: popups of items with command ids. The backend
// shows them; choosing an item sends MSG_COMMAND with its id to the window.
#pragma once

#include <string>
#include <vector>

#include "platform/window.h"

struct MenuItemSpec {
  unsigned iCommand = 0;   // 0 = separator
  std::string szText;
  bool bGrayed = false;
  bool bChecked = false;
  // A key that chooses the item from anywhere in the window ("Ctrl+S");
  // a focused text box keeps its own editing keys (Ctrl+C in a box copies
  // its text). A grayed item's key reaches the focused window as a key.
  std::string szShortcut;
  // A key shown beside the item that the window handles itself (the
  // table's Ctrl+C): shown, not bound.
  std::string szKeyHint;
};

struct MenuPopupSpec {
  std::string szText;
  std::vector<MenuItemSpec> items;
};

struct MenuBarSpec {
  std::vector<MenuPopupSpec> popups;
};

// Give a window its menu bar (replacing any earlier one).
void SetWindowMenu(WindowHandle hwnd, MenuBarSpec menu);
const MenuBarSpec* WindowMenu(WindowHandle hwnd);
// Change the state of one item; -1 when the window has no such item.
int SetMenuItemGrayed(WindowHandle hwnd, unsigned command, bool grayed);
int SetMenuItemText(WindowHandle hwnd, unsigned command, std::string_view text);
// Choose an item as the user would: -1 when it is missing or grayed.
int ChooseMenuItem(WindowHandle hwnd, unsigned command);
