#include "shell/table_popup_menus.h"

#include "files/sampling_blocks.h"
#include "plots/plot_coordinates.h"
#include "resources/string_table.h"
#include "resources/command_ids.h"
#include "sources/plugin_run.h"
#include "table/popup_skip.h"
#include "table/selection_states.h"
#include "table/sort_precondition.h"
#include "table/table_access.h"
#include "table/table_input_hooks.h"
#include "table/table_select.h"

namespace {

const PopupMenuItem SEPARATOR_ITEM{};

// An item of the current language, grayed unless `enabled`.
PopupMenuItem Item(unsigned command, TextId text, bool enabled) {
  return PopupMenuItem{static_cast<int>(command), Text(text), !enabled};
}

// What the menus ask of the table, read under one lock.
struct SelectionFacts {
  bool bNormalView = false;   // cells shown with their texts, not as a colour image
  bool bSingle = false;       // exactly one selection range
  bool bChangeable = false;   // that range may be cut, pasted over, deleted, inserted at
  bool bSampled = false;      // it reaches into a sampled block of a sampled file
  int iKind = 0;              // its kind
  int iLines = 0;             // rows (columns) of a whole-rows (whole-columns) range
};

// The facts of the table's current selection.
SelectionFacts FactsOf(TableRecord& t) {
  SelectionFacts facts;
  TableRange range{};
  facts.bNormalView = t.bImageView == 0;
  facts.bSingle = SelectionIsSingle(t, &range) != 0;
  if (!facts.bSingle) return facts;
  facts.bChangeable = SelectionIsChangeable(t) != 0;
  facts.bSampled = RangeInSampledBlock(t, range) != 0;
  facts.iKind = t.selKind[0];
  if (facts.iKind == SELECT_ROWS) facts.iLines = range.iRowTo - range.iRowFrom + 1;
  if (facts.iKind == SELECT_COLUMNS) facts.iLines = range.iColTo - range.iColFrom + 1;
  return facts;
}

// The menu's answer goes to the table as a command.
void SendChoice(WindowHandle hwnd, int command) {
  if (command != 0 && IsWindowAlive(hwnd)) SendCommand(hwnd, static_cast<unsigned>(command));
}

// Whether the window is a live table window.
bool IsTable(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  return static_cast<bool>(t);
}

}  // namespace

PopupMenuList TableRowColBarMenu(WindowHandle hwnd, char bar) {
  PopupMenuList menu;
  TableLockGuard t(hwnd);
  if (!t) return menu;
  const SelectionFacts facts = FactsOf(*t.get());
  const bool rows = bar == SELECT_BAR_ROWS;
  // The lock holds one line: the single range must be that one whole row
  // (column).
  const bool lockable = facts.iKind == (rows ? SELECT_ROWS : SELECT_COLUMNS) && facts.iLines == 1;
  const bool usable = facts.bNormalView && facts.bSingle;
  const bool lines = usable && (facts.iKind == SELECT_ROWS || facts.iKind == SELECT_COLUMNS);
  const bool cut = usable && facts.bChangeable && !facts.bSampled;
  menu.items = {Item(CMD_POSITION_LOCK, rows ? TXT_POPUP_ROW_LOCK : TXT_POPUP_COL_LOCK, lockable),
                SEPARATOR_ITEM,
                Item(CMD_HIDE, TXT_POPUP_HIDE, lines),
                SEPARATOR_ITEM,
                Item(CMD_BAR_DELETE, TXT_POPUP_DELETE, lines && !facts.bSampled),
                Item(CMD_BAR_INSERT, TXT_POPUP_INSERT, lines && !facts.bSampled),
                SEPARATOR_ITEM,
                Item(CMD_BAR_COPY, TXT_POPUP_COPY, usable),
                Item(CMD_BAR_CUT, TXT_POPUP_CUT, cut),
                Item(CMD_BAR_PASTE, TXT_POPUP_PASTE, cut)};
  return menu;
}

PopupMenuList TableMouseLBMenu(WindowHandle hwnd) {
  PopupMenuList menu;
  TableLockGuard t(hwnd);
  if (!t) return menu;
  TableRecord& record = *t.get();
  const SelectionFacts facts = FactsOf(record);
  TableRange sampledRange{};
  int block = -1;
  const bool detail = SampledSelection(record, &sampledRange, &block) != 0;
  const bool copy = facts.bNormalView && facts.bSingle;
  const bool cut = facts.bNormalView && facts.bChangeable && !facts.bSampled;
  const bool sort = facts.bNormalView && CanSortData(record) != 0;
  const bool declare = CoordinateRunOfSelection(record, nullptr) != 0;
  const bool remove = SelectionHasCoordinate(record) != 0;
  menu.items = {Item(CMD_CALL_PLUGIN, TXT_POPUP_CALL_PLUGIN, PluginCanRun(record) == 1),
                SEPARATOR_ITEM,
                Item(CMD_GET_DETAILED_DATA, TXT_MENU_GET_DETAIL, detail),
                Item(CMD_REMOVE_DETAILED_DATA, TXT_MENU_REMOVE_DETAIL, BlockToRemove(record) >= 0),
                SEPARATOR_ITEM,
                Item(CMD_POPUP_FIND, TXT_POPUP_FIND, facts.bNormalView),
                Item(CMD_SORT_DATA, TXT_POPUP_SORT, sort),
                SEPARATOR_ITEM,
                Item(CMD_POPUP_COPY, TXT_POPUP_COPY, copy),
                Item(CMD_POPUP_CUT, TXT_POPUP_CUT, cut),
                Item(CMD_POPUP_PASTE, TXT_POPUP_PASTE, cut),
                SEPARATOR_ITEM,
                Item(CMD_POPUP_DATA_PROPERTY, TXT_POPUP_DATA_PROPERTY, copy),
                SEPARATOR_ITEM,
                Item(CMD_VIEW_2D_PLOT, TXT_POPUP_VIEW_2D, true),
                Item(CMD_VIEW_3D_PLOT, TXT_POPUP_VIEW_3D, true),
                Item(CMD_POPUP_TREND, TXT_POPUP_TREND, true),
                SEPARATOR_ITEM,
                Item(CMD_DECLARE_X, TXT_POPUP_DECLARE_X, declare),
                Item(CMD_DECLARE_Y, TXT_POPUP_DECLARE_Y, declare),
                Item(CMD_DECLARE_Z, TXT_POPUP_DECLARE_Z, declare),
                Item(CMD_REMOVE_COORDINATE, TXT_POPUP_REMOVE_COORDINATE, remove)};
  return menu;
}

int ShowRowColMenu(WindowHandle hwnd, int x, int y, char bar) {
  if (!IsTable(hwnd)) return -1;
  if (TakePopupSkip(hwnd)) return 0;
  SendChoice(hwnd, ShowPopupMenu(hwnd, x, y, TableRowColBarMenu(hwnd, bar)));
  return 0;
}

int ShowCellMenu(WindowHandle hwnd, int x, int y) {
  if (!IsTable(hwnd)) return -1;
  if (TakePopupSkip(hwnd)) return 0;
  SendChoice(hwnd, ShowPopupMenu(hwnd, x, y, TableMouseLBMenu(hwnd)));
  return 0;
}

void InstallTablePopupMenus() {
  TableInputHooks& hooks = TableHooks();
  hooks.pfnRowColMenu = [](WindowHandle hwnd, int x, int y, char bar) { ShowRowColMenu(hwnd, x, y, bar); };
  hooks.pfnCellMenu = [](WindowHandle hwnd, int x, int y) { ShowCellMenu(hwnd, x, y); };
}
