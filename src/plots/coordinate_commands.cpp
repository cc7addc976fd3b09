#include "plots/coordinate_commands.h"

#include "platform/cursor.h"
#include "plots/plot_coordinates.h"
#include "plots/plot_table_state.h"
#include "resources/command_ids.h"
#include "resources/language.h"
#include "resources/string_table.h"
#include "table/table_access.h"
#include "table/table_input_hooks.h"
#include "table/table_range.h"
#include "table/table_window.h"

const char* CoordinateAxisText(int kind) {
  switch (kind) {
    case COORD_X: return " X ";
    case COORD_Y: return " Y ";
    case COORD_Z: return " Z ";
    default: return " ";
  }
}

std::string CoordinateHelpTitle(int kind) {
  return std::string(Text(TXT_COORD_GET)) + CoordinateAxisText(kind) + Text(TXT_COORD_WORD);
}

std::string CoordinateHelpText(int kind) {
  const std::string axis = CoordinateAxisText(kind);
  if (!LanguageIsChinese()) {
    return std::string(Text(TXT_COORD_HELP_1)) + Text(TXT_COORD_HELP_2) + Text(TXT_COORD_HELP_3);
  }
  return std::string(Text(TXT_COORD_HELP_1)) + axis + Text(TXT_COORD_HELP_2) + axis + Text(TXT_COORD_HELP_3);
}

int CmdDeclareCoordinate(WindowHandle hwnd, unsigned id, std::intptr_t) {
  const int kind = static_cast<int>(id) - static_cast<int>(CMD_DECLARE_X) + COORD_X;
  bool help = false;
  {
    TableLockGuard t(hwnd);
    if (!t || CoordinatePendingSet(*t.get(), kind) != 0) return 0;
    help = PlotStateOf(*t.get()).bCoordinateHelpOff == 0;
  }
  if (!help) return 0;
  CoordinateHelpModel model;
  model.iKind = kind;
  const int button = RunCustomDialog(hwnd, COORDINATE_HELP_DIALOG_NAME, &model);
  // The table may have closed while the dialog was open.
  TableLockGuard t(hwnd);
  if (!t) return 0;
  if (button != BUTTON_OK) {
    CoordinatePendingClear(*t.get());
    return 0;
  }
  PlotStateOf(*t.get()).bCoordinateHelpOff = model.bDontShow ? 1 : 0;
  return 0;
}

int CmdCoordinateData(WindowHandle hwnd, unsigned, std::intptr_t) {
  {
    TableLockGuard t(hwnd);
    if (!t) return 0;
    CoordinateStoreData(*t.get());
  }
  TableRepaint(hwnd);
  return 0;
}

int CmdCoordinateCancel(WindowHandle hwnd, unsigned, std::intptr_t) {
  {
    TableLockGuard t(hwnd);
    if (!t) return 0;
    CoordinatePendingClear(*t.get());
  }
  TableRepaint(hwnd);
  return 0;
}

int CmdRemoveCoordinate(WindowHandle hwnd, unsigned, std::intptr_t) {
  {
    TableLockGuard t(hwnd);
    if (!t) return 0;
    CoordinateRemoveForSelection(*t.get());
  }
  TableRepaint(hwnd);
  return 0;
}

PopupMenuList CoordinateDataMenu(int kind) {
  PopupMenuList menu;
  const std::string related = std::string(Text(TXT_COORD_SET_RELATED)) + CoordinateAxisText(kind) +
                              Text(TXT_COORD_SET_RELATED_END);
  menu.items = {PopupMenuItem{static_cast<int>(CMD_COORDINATE_DATA), related, false},
                PopupMenuItem{static_cast<int>(CMD_COORDINATE_CANCEL), Text(TXT_COORD_CANCEL), false}};
  return menu;
}

int CoordinatePick(WindowHandle hwnd, int x, int y) {
  int kind = COORD_NONE;
  if (TableLockGuard t(hwnd); t) kind = CoordinatePickingKind(*t.get());
  if (kind == COORD_NONE) return 0;
  const int choice = ShowPopupMenu(hwnd, x, y, CoordinateDataMenu(kind));
  if (choice != 0 && IsWindowAlive(hwnd)) SendCommand(hwnd, static_cast<unsigned>(choice));
  return 1;
}

int CoordinatePointerSlot(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  return t && CoordinatePickingKind(*t.get()) != COORD_NONE ? CURSOR_COORDINATE : -1;
}

void InstallCoordinateHooks() {
  TableHooks().pfnCoordinatePick = CoordinatePick;
  TableHooks().pfnPointerSlot = CoordinatePointerSlot;
}
