// The command table: every command of the program with its owner, the text
// of its menu item and its handler. The frame carries out its own; every
// other one goes to the active document window, which runs the handler the
// table names for it. A command without a handler (its feature is not built
// yet) answers with one message instead of doing nothing. The menus take
// their texts from here.
#pragma once

#include <cstdint>
#include <span>

#include "platform/window.h"
#include "resources/string_table.h"

enum CommandOwner : int {
  OWNER_FRAME,     // the frame's own command table
  OWNER_DOCUMENT,  // passed to the active document window
};

// No menu text (internal notifications, buttons without one).
inline constexpr TextId TXT_NO_MENU_TEXT = TXT_COUNT;

// When a command's item on the menu bar is enabled (src/shell/menu_rules.cpp
// reads this for the active table, chart, 3D plot or image, and after the
// cell editor's commands). An item a rule does not name keeps its state.
enum MenuRule : int {
  RULE_NONE,            // not governed: always as built
  RULE_SAVE,            // a table that is not sampled; after the editor: any table open
  RULE_TABLE_DOCUMENT,  // any table; after the editor: any table open
  RULE_PRINT,           // a table, a chart or a 3D plot; after the editor: any table open
  RULE_COPY,            // one selected range, or a chart or a 3D plot
  RULE_SINGLE_RANGE,    // one selected range
  RULE_CHANGE,          // a range that may change, in a block that can be detailed
  RULE_WHOLE_TABLE,     // any table (Find, Select all, Back to Home, the resets)
  RULE_GO_TO,           // the selected cell names a cell
  RULE_STYLE,           // some range is selected
  RULE_COUNT,           // ranges of one kind, not one cell
  RULE_LIBRARY,         // a table (kept after the editor's commands)
  RULE_UNDO,            // set by the table's undo; grayed after the editor's commands
  RULE_PLUGIN_LOADED,   // a plug-in library is loaded
};

// A command's handler: the frame or table window, the command id, the
// message's extra value.
using CommandHandler = int (*)(WindowHandle hwnd, unsigned id, std::intptr_t lParam);

struct CommandRoute {
  unsigned iId;
  CommandOwner iOwner;
  TextId iMenuText;                 // the text of its menu item or button, or TXT_NO_MENU_TEXT
  CommandHandler pfnRun = nullptr;  // null while the feature is not built
  MenuRule iRule = RULE_NONE;       // when its menu-bar item is enabled
};

// Every command of the frame and of the table windows.
std::span<const CommandRoute> CommandRoutes();
// The route of a command; null for an identifier no window knows.
const CommandRoute* FindCommandRoute(unsigned id);

// Tell the user that the command's feature is not available yet: a
// message captioned with the command's menu text when it has one. 0.
int ShowCommandNotAvailable(unsigned id);

// A table command no part has registered: the message for a known
// command, nothing for an unknown identifier. 0 when the message showed.
int TableCommandNotAvailable(WindowHandle hwnd, unsigned id, std::intptr_t lParam);

// Give the table windows the handlers of the document commands, and let
// them answer the commands without one.
void InstallCommandRoutes();
