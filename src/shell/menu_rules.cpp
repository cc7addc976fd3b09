#include "shell/menu_rules.h"

#include <algorithm>
#include <initializer_list>
#include <span>

#include "files/sampling_blocks.h"
#include "platform/menu.h"
#include "resources/string_table.h"
#include "resources/command_ids.h"
#include "shell/command_routes.h"
#include "shell/program_state.h"
#include "shell/tool_states.h"
#include "table/selection_states.h"
#include "table/table_access.h"
#include "table/table_goto.h"
#include "table/table_input_hooks.h"
#include "table/table_range.h"
#include "table/table_window.h"

namespace {

constexpr unsigned kSaveItems[] = {CMD_SAVE, CMD_SAVE_AS, CMD_SAVE_PRIVATE};
// Cut, Paste, Delete and Insert change the selected cells.
constexpr unsigned kChangeItems[] = {CMD_CUT, CMD_PASTE, CMD_DELETE, CMD_INSERT};
constexpr unsigned kEditItems[] = {CMD_UNDO,   CMD_FIND,   CMD_SELECT_ALL, CMD_COPY,         CMD_CUT,
                                   CMD_PASTE,  CMD_DELETE, CMD_INSERT,     CMD_DATA_PROPERTY};
// The commands that style the selected cells.
constexpr unsigned kStyleItems[] = {CMD_DISPLAY_STYLE,     CMD_BORDER_LINE,     CMD_BORDER_COLOUR,
                                    CMD_CLEAR_BORDER,      CMD_BACKGROUND_COLOUR, CMD_CLEAR_BACKGROUND};
// The View menu from "Back to Home" through "Clear background color"
// ("Plot window control" below them works without a document).
constexpr unsigned kViewItems[] = {CMD_BACK_TO_HOME,  CMD_GO_TO,       CMD_RESET_VIEW,        CMD_RESET_COLOUR,
                                   CMD_DISPLAY_STYLE, CMD_BORDER_LINE, CMD_BORDER_COLOUR,     CMD_CLEAR_BORDER,
                                   CMD_BACKGROUND_COLOUR, CMD_CLEAR_BACKGROUND};
// The Tools commands that work on the selection.
constexpr unsigned kAnalysisItems[] = {CMD_DATA_COUNT, CMD_DATA_PROCESS, CMD_TRANSPOSE};
constexpr unsigned kLibraryItems[] = {CMD_OPEN_PLUGIN, CMD_OPEN_NETCDF_LIBRARY};

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
};

// Set the items' states in the frame's menu.
void Enable(std::span<const unsigned> ids, bool enabled) {
  const WindowHandle frame = Program().hFrameWnd;
  for (unsigned id : ids) SetMenuItemGrayed(frame, id, !enabled);
}

void Enable(std::initializer_list<unsigned> ids, bool enabled) {
  Enable(std::span<const unsigned>(ids.begin(), ids.size()), enabled);
}

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
  return 0;
}

// "About Plug-in" works while a plug-in library is loaded; none can be
// loaded yet.
void EnableAboutPlugin() { Enable({CMD_ABOUT_PLUGIN}, false); }

// A table is the target.
int RefreshForTable(WindowHandle hTable) {
  TableFacts f;
  if (ReadTableFacts(hTable, &f) != 0) return -1;
  Enable(kSaveItems, true);
  Enable({CMD_PRINT}, true);
  // Edit: Copy and Set data property want one range; the changing
  // commands also a range that is not one locked or formula cell.
  Enable({CMD_FIND, CMD_SELECT_ALL}, true);
  Enable({CMD_COPY, CMD_DATA_PROPERTY}, f.bSingle);
  Enable(kChangeItems, f.bChangeable);
  // View.
  Enable({CMD_BACK_TO_HOME, CMD_RESET_VIEW, CMD_RESET_COLOUR}, true);
  Enable({CMD_GO_TO}, f.bGoTo);
  Enable(kStyleItems, f.bAnySelection);
  if (f.bAnySelection && f.bInSampledBlock) Enable(kChangeItems, false);
  // Tools.
  Enable({CMD_TREND}, true);
  Enable(kLibraryItems, true);
  Enable({CMD_DATA_COUNT, CMD_DATA_PROCESS}, f.bOneKindNotCell);
  Enable({CMD_TRANSPOSE}, f.bSingle);
  // A sampled table is read-only.
  if (f.bSampled) Enable({CMD_SAVE, CMD_SAVE_PRIVATE}, false);
  // The menu bar offers the changing commands only where detail can be
  // fetched; elsewhere the pop-up menus and the keys reach them.
  if (!f.bDetail) Enable(kChangeItems, false);
  EnableAboutPlugin();
  return 0;
}

// A chart or 3D plot is active (Print and Copy work on it), or a table
// shows only its image (nothing works on it from the menu bar).
void RefreshForPicture(int code) {
  const bool plot = code != MENU_REFRESH_IMAGE;
  Enable(kSaveItems, false);
  Enable({CMD_PRINT, CMD_COPY}, plot);
  Enable({CMD_FIND, CMD_SELECT_ALL, CMD_DATA_PROPERTY}, false);
  Enable(kChangeItems, false);
  Enable(kViewItems, false);
  Enable({CMD_TREND}, false);
  Enable(kAnalysisItems, false);
  Enable(kLibraryItems, false);
}

// The editor's commands refresh the menu bar when they acted.
void EditorStates(WindowHandle hwnd) { RefreshMenusForEditor(hwnd); }

}  // namespace

// The table command of a table that shows only its image.
int CmdImageStates(WindowHandle hwnd, unsigned, std::intptr_t) { return RefreshMenus(hwnd, MENU_REFRESH_IMAGE); }

int RefreshMenus(WindowHandle hwnd, int code) {
  switch (code) {
    case MENU_REFRESH_TABLE:
      return RefreshForTable(hwnd);
    case MENU_REFRESH_FRAME:
      RefreshMenusForEditor(hwnd);
      EnableAboutPlugin();
      return 0;
    case MENU_REFRESH_CHART:
    case MENU_REFRESH_PLOT3D:
    case MENU_REFRESH_IMAGE:
      RefreshForPicture(code);
      return 0;
    default:
      return -1;
  }
}

int RefreshMenusForEditor(WindowHandle) {
  const ProgramState& program = Program();
  if (program.bClosingAll) return 0;
  const bool tables = program.nOpenTables > 0;
  Enable(kSaveItems, tables);
  Enable({CMD_PRINT, CMD_TREND}, tables);
  Enable(kEditItems, false);
  Enable(kViewItems, false);
  Enable(kAnalysisItems, false);
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
