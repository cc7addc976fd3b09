// Which items of the frame's menu bar are enabled: the refresh run when a
// table, a chart or a 3D plot becomes active or changes, the refresh after
// the cell editor's commands, and the items grayed at start-up.
#pragma once

#include <cstdint>

#include "platform/window.h"

enum MenuRefreshCode : int {
  MENU_REFRESH_TABLE = 234,    // a table is active or changed
  MENU_REFRESH_FRAME = 235,    // the frame's own refresh (a document closed)
  MENU_REFRESH_CHART = 236,    // a 2D chart is active
  MENU_REFRESH_PLOT3D = 237,   // a 3D plot is active
  MENU_REFRESH_IMAGE = 13085,  // a table shows only its image
};

// Enable and gray the items for `code`; `hwnd` is the window the refresh
// is about (the table for MENU_REFRESH_TABLE). Items a rule does not name
// keep their state. 0, or -1 for an unknown code or a table whose record
// cannot be had.
int RefreshMenus(WindowHandle hwnd, int code);

// After a command of the cell editor, and as part of the frame's refresh:
// without tables only the file, database, library and help commands stay;
// with tables the save and print commands and the trend analysis are
// enabled and the commands on the selection grayed until the next table
// refresh. Nothing happens while all documents are closing.
int RefreshMenusForEditor(WindowHandle hwnd);

// At start-up: "Back to Home", "Open plug-in" and "Open NetCDF.DLL" take
// their texts in the current language and are grayed.
int GrayStartupItems(WindowHandle hFrame);

// A table is active or changed: its menu states, then its tool states.
void RefreshTableMenusAndTools(WindowHandle hTable);

// Set the table hooks that run the refreshes and register the table
// command that asks for the image-view states.
void InstallMenuRules();

// The table command of a table that shows only its image: its menu states.
int CmdImageStates(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
