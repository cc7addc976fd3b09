#include "shell/frame_window.h"

#include <string>

#include "platform/text_buffer.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "shell/program_state.h"
#include "shell/window_classes.h"
#include "table/cell_reference.h"
#include "table/table_events.h"
#include "table/table_range.h"
#include "table/table_record.h"

WindowHandle CreateTableWindow(const TableOpenRequest& request) {
  ProgramState& program = Program();
  std::string title;
  if (TableOpenModeReadsFile(request.iMode)) {
    title = request.szPath;
  } else if (request.iMode != OPEN_DATABASE) {
    title = Text(TXT_NEW_TABLE);  // the database loader names its own table
  }
  WindowCreateInfo info;
  info.szClass = CLASS_TABLE;
  info.szTitle = title;
  info.hParent = program.hMdiClient;
  info.iStyle = STYLE_MDICHILD | STYLE_VISIBLE | STYLE_CAPTION | STYLE_SYSMENU | STYLE_MINIMIZEBOX |
                STYLE_MAXIMIZEBOX | STYLE_HSCROLL | STYLE_VSCROLL;
  // Placed by the MDI area: each new window cascades from the one before,
  // so none hides another.
  info.x = info.y = DEFAULT_POSITION;
  info.cx = info.cy = DEFAULT_POSITION;
  info.lParam = reinterpret_cast<std::intptr_t>(&request);
  const WindowHandle hwnd = CreateWindowOf(info);
  if (!IsNone(hwnd)) ++program.nOpenTables;
  return hwnd;
}

WindowHandle OpenReportTable(WindowHandle source) {
  const WindowHandle report = CreateTableWindow();
  return SetReportTable(source, report) == 1 ? report : WindowHandle::None;
}

namespace {

// A table window is gone: the formula bar lets go of it, the count drops
// and the menus follow.
void TableDestroyed(WindowHandle hwnd) {
  ProgramState& program = Program();
  if (!IsNone(program.hFormulaBar)) PostCommand(program.hFormulaBar, CMD_TABLE_CLOSED, static_cast<std::intptr_t>(hwnd));
  if (program.nOpenTables > 0) --program.nOpenTables;
  if (!IsNone(program.hFrameWnd)) PostCommand(program.hFrameWnd, CMD_REFRESH_MENUS);
}

int ClosingAll() { return Program().bClosingAll; }

// The cell editor's target shows in the formula bar's target box.
void EditorTarget(WindowHandle, int row, int col) {
  const WindowHandle bar = Program().hFormulaBar;
  if (!IsWindowAlive(bar)) return;
  const std::string target = CellReference(row, col);
  SendMessageTo(bar, MSG_COMMAND, MakeCommandParam(CMD_FORMULA_BAR_TARGET), reinterpret_cast<std::intptr_t>(target.c_str()));
}

}  // namespace

void InstallTableEvents() {
  TableEventHooks& events = TableEvents();
  events.pfnTableDestroyed = TableDestroyed;
  events.pfnClosingAll = ClosingAll;
  events.pfnEditorTarget = EditorTarget;
  events.pfnCreateTable = [](const TableOpenRequest& request) { return CreateTableWindow(request); };
}
