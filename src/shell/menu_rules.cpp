#include "shell/menu_rules.h"

#include <algorithm>

#include "files/sampling_blocks.h"
#include "platform/menu.h"
#include "resources/string_table.h"
#include "resources/command_ids.h"
#include "shell/command_routes.h"
#include "shell/program_state.h"
#include "shell/tool_states.h"
#include "sources/odbc_commands.h"
#include "sources/plugin_library.h"
#include "table/selection_states.h"
#include "table/table_access.h"
#include "table/table_goto.h"
#include "table/table_input_hooks.h"
#include "table/table_range.h"
#include "table/table_window.h"

namespace {

// Where the menu bar's states are being worked out.
enum MenuContext : int {
  CONTEXT_TABLE,   // a table is active
  CONTEXT_PLOT,    // a chart or a 3D plot is active
  CONTEXT_IMAGE,   // a table shows only its image
  CONTEXT_EDITOR,  // after a command of the cell editor
  CONTEXT_FRAME,   // the frame's own refresh (a document closed)
};

// What the rules read from a table.
struct TableFacts {
  bool bSingle = false;          // exactly one selection range, not cleared
  bool bChangeable = false;      // and it may be cut, pasted over, deleted or inserted at
  bool bAnySelection = false;    // some range is selected
  bool bOneKindNotCell = false;  // the ranges share one kind and are not one cell
  bool bInSampledBlock = false;  // a range touches a block of a sampled file
  bool bDetail = false;          // detail can be fetched for the selection
  bool bSampled = false;
  bool bGoTo = false;            // the selected cell names a cell to go to
  bool bUndo = false;            // the table has an undo back-up
};

// Every selected range holds one kind and the selection is not one cell.
bool OneKindNotCell(TableRecord& t) {
  const int last = std::clamp(t.iSelCurrent, 0, SELECTION_RANGES - 1);
  for (int i = 1; i <= last; ++i) {
    if (t.selKind[i] != t.selKind[0]) return false;
  }
  if (last > 0) return true;
  TableRange range{};
  if (!SelectionIsSingle(t, &range)) return false;
  return range.iRowFrom != range.iRowTo || range.iColFrom != range.iColTo;
}

// Some selected range touches a block of a sampled file.
bool SelectionInSampledBlock(TableRecord& t) {
  const int last = std::clamp(t.iSelCurrent, 0, SELECTION_RANGES - 1);
  for (int i = 0; i <= last; ++i) {
    TableRange range{};
    if (TableGetRange(t, i, RANGES_SELECTION, &range) == 0 && RangeInSampledBlock(t, range)) return true;
  }
  return false;
}

// Read the facts under one lock of the table; -1 without a record.
int ReadTableFacts(WindowHandle hTable, TableFacts* facts) {
  TableLockGuard t(hTable);
  if (!t) return -1;
  TableRecord& r = *t.get();
  facts->bSingle = SelectionIsSingle(r) == 1;
  facts->bChangeable = SelectionIsChangeable(r) == 1;
  facts->bAnySelection = r.iSelCurrent > 0 || (r.selRowFrom[0] != 0 && r.selColFrom[0] != 0);
  facts->bOneKindNotCell = facts->bAnySelection && OneKindNotCell(r);
  facts->bInSampledBlock = SelectionInSampledBlock(r);
  TableRange range{};
  int block = -1;
  facts->bDetail = SampledSelection(r, &range, &block) == 1;
  facts->bSampled = r.iSampleMode != SAMPLE_NONE;
  int row = 0;
  int col = 0;
  facts->bGoTo = GoToTarget(r, &row, &col) == 1;
  facts->bUndo = r.bUndoFileExists != 0;
  return 0;
}

constexpr int LEAVE = -1;  // the rule does not touch the item here

// The state of an item of `rule` in `context`: 1 enabled, 0 grayed, LEAVE.
int RuleState(MenuRule rule, MenuContext context, const TableFacts& f) {
  const bool tables = Program().nOpenTables > 0;
  const bool table = context == CONTEXT_TABLE;
  const bool afterEditor = context == CONTEXT_EDITOR || context == CONTEXT_FRAME;
  switch (rule) {
    case RULE_NONE: return LEAVE;
    case RULE_SAVE: return afterEditor ? tables : table && !f.bSampled;
    case RULE_TABLE_DOCUMENT: return afterEditor ? tables : table;
    case RULE_PRINT: return afterEditor ? tables : context != CONTEXT_IMAGE;
    case RULE_COPY: return table ? f.bSingle : context == CONTEXT_PLOT;
    case RULE_SINGLE_RANGE: return table && f.bSingle;
    // The menu bar offers the changing commands only where detail can be
    // fetched and outside the blocks of a sampled file; elsewhere the
    // pop-up menus and the keys reach them.
    case RULE_CHANGE: return table && f.bChangeable && f.bDetail && !(f.bAnySelection && f.bInSampledBlock);
    case RULE_WHOLE_TABLE: return table;
    case RULE_GO_TO: return table && f.bGoTo;
    case RULE_STYLE: return table && f.bAnySelection;
    case RULE_COUNT: return table && f.bOneKindNotCell;
    case RULE_LIBRARY: return afterEditor ? LEAVE : table;
    // Undo follows the table's back-up, after the editor too: a typed
    // change can be undone at once.
    case RULE_UNDO: return table || context == CONTEXT_EDITOR ? f.bUndo : (afterEditor ? 0 : LEAVE);
    // "About Plug-in" works while a plug-in library is loaded.
    case RULE_PLUGIN_LOADED: return table || context == CONTEXT_FRAME ? PluginLoaded() != nullptr : LEAVE;
  }
  return LEAVE;
}

// Set every governed item of the menu bar for `context`.
void ApplyRules(MenuContext context, const TableFacts& facts) {
  const WindowHandle frame = Program().hFrameWnd;
  const bool closing = Program().bClosingAll != 0;
  for (const CommandRoute& route : CommandRoutes()) {
    // While all documents close only the frame's plug-in item changes.
    if (closing && (context == CONTEXT_EDITOR || (context == CONTEXT_FRAME && route.iRule != RULE_PLUGIN_LOADED))) {
      continue;
    }
    const int state = RuleState(route.iRule, context, facts);
    if (state != LEAVE) SetMenuItemGrayed(frame, route.iId, state == 0);
  }
}

// The editor's commands refresh the menu bar when they acted.
void EditorStates(WindowHandle hwnd) { RefreshMenusForEditor(hwnd); }

}  // namespace

int CmdImageStates(WindowHandle hwnd, unsigned, std::intptr_t) { return RefreshMenus(hwnd, MENU_REFRESH_IMAGE); }

int RefreshMenus(WindowHandle hwnd, int code) {
  TableFacts facts;
  switch (code) {
    case MENU_REFRESH_TABLE:
      if (ReadTableFacts(hwnd, &facts) != 0) return -1;
      ApplyRules(CONTEXT_TABLE, facts);
      return 0;
    case MENU_REFRESH_FRAME:
      ApplyRules(CONTEXT_FRAME, facts);
      return 0;
    case MENU_REFRESH_CHART:
    case MENU_REFRESH_PLOT3D:
      ApplyRules(CONTEXT_PLOT, facts);
      return 0;
    case MENU_REFRESH_IMAGE:
      ApplyRules(CONTEXT_IMAGE, facts);
      return 0;
    default:
      return -1;
  }
}

int RefreshMenusForEditor(WindowHandle hTable) {
  TableFacts facts;
  if (TableLockGuard t(hTable); t) facts.bUndo = t->bUndoFileExists != 0;
  ApplyRules(CONTEXT_EDITOR, facts);
  return 0;
}

int GrayStartupItems(WindowHandle hFrame) {
  constexpr unsigned items[] = {CMD_BACK_TO_HOME, CMD_OPEN_PLUGIN, CMD_OPEN_NETCDF_LIBRARY};
  int status = 0;
  for (unsigned command : items) {
    const CommandRoute* route = FindCommandRoute(command);
    if (!route || SetMenuItemText(hFrame, command, Text(route->iMenuText)) != 0) status = -1;
    if (SetMenuItemGrayed(hFrame, command, true) != 0) status = -1;
  }
  // A database file item works only with a driver for its files.
  for (const OdbcMenuState& state : OdbcDatabaseMenuStates()) SetMenuItemGrayed(hFrame, state.iCommand, !state.bEnabled);
  return status;
}

void RefreshTableMenusAndTools(WindowHandle hTable) {
  RefreshMenus(hTable, MENU_REFRESH_TABLE);
  RefreshToolStates(hTable);
}

void InstallMenuRules() {
  TableHooks().pfnRefreshStates = RefreshTableMenusAndTools;
  TableHooks().pfnEditorStates = EditorStates;
}
