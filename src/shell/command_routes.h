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

// A command's handler: the frame or table window, the command id, the
// message's extra value.
using CommandHandler = int (*)(WindowHandle hwnd, unsigned id, std::intptr_t lParam);

struct CommandRoute {
  unsigned iId;
  CommandOwner iOwner;
  TextId iMenuText;                 // the text of its menu item or button, or TXT_NO_MENU_TEXT
  CommandHandler pfnRun = nullptr;  // null while the feature is not built
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
