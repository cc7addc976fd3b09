#include "shell/menu_bar.h"

#include "platform/menu.h"
#include "resources/command_ids.h"
#include "shell/command_routes.h"

namespace {

constexpr MenuBarItem kSeparator{0, nullptr, nullptr};

constexpr MenuBarItem kFileMenu[] = {
    {CMD_OPEN_FILE, "Ctrl+O", nullptr},
    {CMD_OPEN_MODAS, nullptr, nullptr},
    {CMD_OPEN_NETCDF, nullptr, nullptr},
    {CMD_OPEN_STOCK, nullptr, nullptr},
    kSeparator,
    {CMD_NEW, "Ctrl+N", nullptr},
    {CMD_NEW_CUSTOM, nullptr, nullptr},
    kSeparator,
    {CMD_SAVE, "Ctrl+S", nullptr},
    {CMD_SAVE_AS, nullptr, nullptr},
    {CMD_SAVE_PRIVATE, nullptr, nullptr},
    kSeparator,
    {CMD_PRINT, nullptr, nullptr},
    kSeparator,
    {CMD_EXIT, nullptr, nullptr},
};

constexpr MenuBarItem kDatabaseMenu[] = {
    {CMD_OPEN_ACCESS, nullptr, nullptr},
    {CMD_OPEN_SQLITE, nullptr, nullptr},
    {CMD_OPEN_DBASE, nullptr, nullptr},
    {CMD_OPEN_FOXPRO, nullptr, nullptr},
    {CMD_OPEN_PARADOX, nullptr, nullptr},
    kSeparator,
    {CMD_CONNECT_DATABASE, nullptr, nullptr},
    {CMD_OPEN_DATABASE_TABLE, nullptr, nullptr},
};

// Copy, Cut and Paste only show their keys: a table window takes them
// itself (and a text box keeps them for its own text).
constexpr MenuBarItem kEditMenu[] = {
    {CMD_UNDO, "Ctrl+Z", nullptr},
    kSeparator,
    {CMD_FIND, nullptr, nullptr},
    {CMD_SELECT_ALL, nullptr, nullptr},
    kSeparator,
    {CMD_COPY, nullptr, "Ctrl+C"},
    {CMD_CUT, nullptr, "Ctrl+X"},
    {CMD_PASTE, nullptr, "Ctrl+V"},
    kSeparator,
    {CMD_DELETE, nullptr, nullptr},
    {CMD_INSERT, nullptr, nullptr},
    kSeparator,
    {CMD_DATA_PROPERTY, nullptr, nullptr},
};

constexpr MenuBarItem kViewMenu[] = {
    {CMD_BACK_TO_HOME, nullptr, nullptr},
    {CMD_GO_TO, nullptr, nullptr},
    kSeparator,
    {CMD_RESET_VIEW, nullptr, nullptr},
    {CMD_RESET_COLOUR, nullptr, nullptr},
    kSeparator,
    {CMD_DISPLAY_STYLE, nullptr, nullptr},
    kSeparator,
    {CMD_BORDER_LINE, nullptr, nullptr},
    {CMD_BORDER_COLOUR, nullptr, nullptr},
    {CMD_CLEAR_BORDER, nullptr, nullptr},
    kSeparator,
    {CMD_BACKGROUND_COLOUR, nullptr, nullptr},
    {CMD_CLEAR_BACKGROUND, nullptr, nullptr},
    kSeparator,
    {CMD_PLOT_WINDOW_CONTROL, nullptr, nullptr},
};

constexpr MenuBarItem kToolsMenu[] = {
    {CMD_TREND, nullptr, nullptr},
    {CMD_DATA_COUNT, nullptr, nullptr},
    {CMD_DATA_PROCESS, nullptr, nullptr},
    {CMD_TRANSPOSE, nullptr, nullptr},
    kSeparator,
    {CMD_OPEN_PLUGIN, nullptr, nullptr},
    {CMD_OPEN_NETCDF_LIBRARY, nullptr, nullptr},
};

// F1 stays unbound: a table zooms out with it.
constexpr MenuBarItem kHelpMenu[] = {
    {CMD_ABOUT, nullptr, nullptr},
    kSeparator,
    {CMD_HELP, nullptr, nullptr},
    kSeparator,
    {CMD_FORMULA_EXAMPLE, nullptr, nullptr},
    {CMD_ABOUT_PLUGIN, nullptr, nullptr},
};

constexpr MenuBarMenu kMenus[] = {
    {TXT_MENU_FILE, kFileMenu},   {TXT_MENU_DATABASE, kDatabaseMenu}, {TXT_MENU_EDIT, kEditMenu},
    {TXT_MENU_VIEW, kViewMenu},   {TXT_MENU_TOOLS, kToolsMenu},       {TXT_MENU_HELP, kHelpMenu},
};

// The text of a command's item: its menu text in the command table.
TextId MenuTextOf(unsigned command) {
  const CommandRoute* route = FindCommandRoute(command);
  return route ? route->iMenuText : TXT_NO_MENU_TEXT;
}

// The item as the window's menu holds it, in the given language.
MenuItemSpec ItemSpec(const MenuBarItem& item, bool chinese) {
  MenuItemSpec entry;
  entry.iCommand = item.iCommand;
  if (item.iCommand == 0) return entry;
  entry.szText = TextIn(MenuTextOf(item.iCommand), chinese);
  if (item.szShortcut) entry.szShortcut = item.szShortcut;
  if (item.szKeyHint) entry.szKeyHint = item.szKeyHint;
  return entry;
}

}  // namespace

std::span<const MenuBarMenu> MenuBarMenus() { return kMenus; }

int BuildMenuBar(WindowHandle hFrame, int bChinese) {
  if (!IsWindowAlive(hFrame)) return -1;
  MenuBarSpec bar;
  for (const MenuBarMenu& menu : kMenus) {
    MenuPopupSpec popup;
    popup.szText = TextIn(menu.iTitle, bChinese != 0);
    for (const MenuBarItem& item : menu.items) popup.items.push_back(ItemSpec(item, bChinese != 0));
    bar.popups.push_back(std::move(popup));
  }
  SetWindowMenu(hFrame, std::move(bar));
  return 0;
}
