// The frame's menu bar: six menus (File, Database, Edit, View, Tools, Help)
// kept as data, one table per menu, built at run time in one language.
#pragma once

#include <span>

#include "platform/window.h"
#include "resources/string_table.h"

// One item of a menu: a command, shown with its menu text from the command
// table (src/shell/command_routes.cpp), or a separator (command 0).
// `szShortcut` is a key bound to the item; `szKeyHint` a key only shown
// beside it because the table window handles that key itself.
struct MenuBarItem {
  unsigned iCommand;
  const char* szShortcut;
  const char* szKeyHint;
};

struct MenuBarMenu {
  TextId iTitle;
  std::span<const MenuBarItem> items;
};

// The six menus in their order on the bar.
std::span<const MenuBarMenu> MenuBarMenus();

// Replace the frame's menu with a new bar in English (0) or Chinese (1);
// every item starts enabled. 0, or -1 when `hFrame` is not a window.
int BuildMenuBar(WindowHandle hFrame, int bChinese);
