#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "shell/frame_window.h"
#include "shell/program_state.h"
#include "shell/window_classes.h"
#include "table/table_range.h"
#include "table/table_record.h"

WindowHandle CreateTableWindow() {
  ProgramState& program = Program();
  std::string title;
  switch (program.iCreateMode) {
    case OPEN_FILE:
    case OPEN_MODAS:
    case OPEN_NETCDF:
    case OPEN_STOCK:
      title = std::string(TextOf(program.szLastPath));
      break;
    case OPEN_DATABASE:
      break;  // the database loader names the table
    default:
      title = Text(TXT_NEW_TABLE);
      break;
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
  const WindowHandle hwnd = CreateWindowOf(info);
  if (!IsNone(hwnd)) ++program.nOpenTables;
  return hwnd;
}

WindowHandle OpenReportTable(WindowHandle source) {
  Program().iCreateMode = OPEN_NEW;
  const WindowHandle report = CreateTableWindow();
  return SetReportTable(source, report) == 1 ? report : WindowHandle::None;
}
