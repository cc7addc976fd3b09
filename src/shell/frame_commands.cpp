#include "shell/frame_commands.h"

#include "platform/backend.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "resources/command_ids.h"
#include "shell/command_routes.h"
#include "shell/frame_window.h"
#include "shell/menu_rules.h"
#include "shell/plot_window_control.h"
#include "shell/program_state.h"
#include "shell/services.h"
#include "shell/window_classes.h"
#include "sources/netcdf_library.h"
#include "table/table_record.h"
#include "table/table_size_dialog.h"

namespace {

// Open a document of `mode` from a file of dialog kind `kind`.
void OpenFromFile(int mode, int kind) {
  FrameCancelStartup();
  if (OpenFileDialog(Program().hFrameWnd, kind) != 0) return;
  SetWaitCursor(0);
  CreateTableWindow(TableOpenRequest{mode, std::string(TextOf(Program().szLastPath))});
  SetWaitCursor(1);
}

WindowHandle NewTable() {
  FrameCancelStartup();
  return CreateTableWindow();
}

}  // namespace

int CmdOpenFile(WindowHandle, unsigned, std::intptr_t) {
  OpenFromFile(OPEN_FILE, FILES_TABLES);
  return 0;
}

// MODAS ocean data (.dat files) and stock history files (texts, like "Open ...").
int CmdOpenModas(WindowHandle, unsigned, std::intptr_t) {
  OpenFromFile(OPEN_MODAS, FILES_MODAS);
  return 0;
}

int CmdOpenStock(WindowHandle, unsigned, std::intptr_t) {
  OpenFromFile(OPEN_STOCK, FILES_TABLES);
  return 0;
}

int CmdOpenNetcdf(WindowHandle hFrame, unsigned, std::intptr_t) {
  FrameCancelStartup();
  if (!NetcdfLibrary() && NetcdfLoadSystemLibrary() != 0 && NetcdfLoadLibrary(hFrame) != 0) return 0;
  OpenFromFile(OPEN_NETCDF, FILES_NETCDF);
  return 0;
}

int CmdNew(WindowHandle, unsigned, std::intptr_t) {
  NewTable();
  return 0;
}

int CmdNewCustom(WindowHandle, unsigned, std::intptr_t) {
  const WindowHandle table = NewTable();
  if (!IsNone(table)) TableSizeDialogRun(table);
  return 0;
}

// A table closed: the menu states without it.
int CmdRefreshMenus(WindowHandle hFrame, unsigned, std::intptr_t) {
  RefreshMenus(hFrame, MENU_REFRESH_FRAME);
  return 0;
}

int CmdOpen3DPlot(WindowHandle, unsigned, std::intptr_t lParam) {
  ProgramState& program = Program();
  WindowCreateInfo info;
  info.szClass = CLASS_PLOT_3D;
  info.lParam = lParam;  // the table whose data the plot shows
  info.szTitle = "Image 3 Dimensional study";
  info.iStyle = STYLE_VISIBLE | STYLE_CAPTION | STYLE_SYSMENU | STYLE_MINIMIZEBOX | STYLE_MAXIMIZEBOX |
                STYLE_THICKFRAME;
  if (program.iPlotWindowMode == PLOT_IN_CURRENT_WINDOW) {
    const WindowRect client = WindowRectOf(program.hMdiClient);
    info.hParent = program.hMdiClient;
    info.iStyle |= STYLE_MDICHILD;
    info.x = client.cx - 10;
    info.y = client.cy - 10;
    info.cx = 10;
    info.cy = 10;
  } else {
    info.iStyle |= STYLE_POPUP;
    info.x = info.y = DEFAULT_POSITION;
    info.cx = 800;
    info.cy = 600;
  }
  if (!IsNone(CreateWindowOf(info))) ++program.n3DWindows;
  return 0;
}

int CmdPlotWindowControl(WindowHandle hFrame, unsigned, std::intptr_t) {
  PlotWindowControlRun(hFrame);
  return 0;
}

int CmdAbout(WindowHandle, unsigned, std::intptr_t) {
  ShowMessage(Text(TXT_ABOUT_CAPTION), Text(TXT_ABOUT_TEXT));
  return 0;
}

int CmdHelp(WindowHandle, unsigned, std::intptr_t) {
  OpenHelpPage();
  return 0;
}

int CmdFormulaExample(WindowHandle, unsigned, std::intptr_t) {
  ShowMessage(Text(TXT_EXAMPLE_CAPTION), Text(TXT_EXAMPLE_TEXT));
  return 0;
}

int CmdExit(WindowHandle, unsigned, std::intptr_t) {
  FrameCloseAllDocuments(false);
  PostQuit(0);
  return 0;
}

int FrameRunCommand(WindowHandle hFrame, unsigned id, std::intptr_t lParam) {
  const CommandRoute* route = FindCommandRoute(id);
  if (!route || route->iOwner != OWNER_FRAME) return -1;
  if (!route->pfnRun) return ShowCommandNotAvailable(id);
  route->pfnRun(hFrame, id, lParam);
  return 0;
}

int FrameOpenFilePath(std::string_view path) {
  FrameCancelStartup();
  if (RememberChosenFile(path) != 0) return -1;
  SetWaitCursor(0);
  const WindowHandle table = CreateTableWindow(TableOpenRequest{OPEN_FILE, std::string(TextOf(Program().szLastPath))});
  SetWaitCursor(1);
  return IsNone(table) ? -1 : 0;
}
