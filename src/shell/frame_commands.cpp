#include "shell/frame_commands.h"

#include "files/text_import.h"
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

int CmdOpenFile(WindowHandle) {
  OpenFromFile(OPEN_FILE, FILES_TABLES);
  return 0;
}

// MODAS and stock history files open once their readers exist.
int CmdOpenModas(WindowHandle) {
  if (!TextImportHasReader(OPEN_MODAS)) return ShowCommandNotAvailable(CMD_OPEN_MODAS);
  OpenFromFile(OPEN_MODAS, FILES_MODAS);
  return 0;
}

int CmdOpenStock(WindowHandle) {
  if (!TextImportHasReader(OPEN_STOCK)) return ShowCommandNotAvailable(CMD_OPEN_STOCK);
  OpenFromFile(OPEN_STOCK, FILES_TABLES);
  return 0;
}

int CmdNew(WindowHandle) {
  NewTable();
  return 0;
}

int CmdNewCustom(WindowHandle) {
  const WindowHandle table = NewTable();
  if (!IsNone(table)) TableSizeDialogRun(table);
  return 0;
}

// A table closed: the menu states without it.
int CmdRefreshMenus(WindowHandle hFrame) {
  RefreshMenus(hFrame, MENU_REFRESH_FRAME);
  return 0;
}

int CmdOpen3DPlot(WindowHandle) {
  ProgramState& program = Program();
  WindowCreateInfo info;
  info.szClass = CLASS_PLOT_3D;
  info.szTitle = "Image 3 Dimensional study";
  info.iStyle = STYLE_VISIBLE | STYLE_CAPTION | STYLE_SYSMENU | STYLE_MINIMIZEBOX | STYLE_MAXIMIZEBOX |
                STYLE_THICKFRAME;
  if (program.iPlotWindowMode == PLOT_IN_CURRENT_WINDOW) {
    const WindowRect client = WindowRectOf(program.hMdiClient);
    info.hParent = program.hMdiClient;
    info.iStyle |= STYLE_MDICHILD;
    info.cx = client.cx - 10;
    info.cy = client.cy - 10;
  } else {
    info.iStyle |= STYLE_POPUP;
    info.x = info.y = DEFAULT_POSITION;
    info.cx = 800;
    info.cy = 600;
  }
  if (!IsNone(CreateWindowOf(info))) ++program.n3DWindows;
  return 0;
}

int CmdPlotWindowControl(WindowHandle hFrame) {
  PlotWindowControlRun(hFrame);
  return 0;
}

int CmdAbout(WindowHandle) {
  ShowMessage(Text(TXT_ABOUT_CAPTION), Text(TXT_ABOUT_TEXT));
  return 0;
}

int CmdHelp(WindowHandle) {
  OpenHelpPage();
  return 0;
}

int CmdFormulaExample(WindowHandle) {
  ShowMessage(Text(TXT_EXAMPLE_CAPTION), Text(TXT_EXAMPLE_TEXT));
  return 0;
}

int CmdExit(WindowHandle) {
  FrameCloseAllDocuments(false);
  PostQuit(0);
  return 0;
}

// A command of the frame; without a function its feature is not built
// yet and the user is told so.
struct FrameCommand {
  unsigned iId;
  int (*pfnRun)(WindowHandle hFrame);
};

constexpr FrameCommand kFrameCommands[] = {
    {CMD_REFRESH_MENUS, CmdRefreshMenus},
    {CMD_OPEN_3D_PLOT, CmdOpen3DPlot},
    {CMD_OPEN_FILE, CmdOpenFile},
    {CMD_OPEN_FILE_STARTUP, CmdOpenFile},
    {CMD_OPEN_MODAS, CmdOpenModas},
    {CMD_OPEN_STOCK, CmdOpenStock},
    {CMD_NEW, CmdNew},
    {CMD_NEW_CUSTOM, CmdNewCustom},
    {CMD_OPEN_NETCDF, nullptr},
    {CMD_OPEN_ACCESS, nullptr},
    {CMD_OPEN_DBASE, nullptr},
    {CMD_OPEN_FOXPRO, nullptr},
    {CMD_OPEN_PARADOX, nullptr},
    {CMD_CONNECT_DATABASE, nullptr},
    {CMD_OPEN_DATABASE_TABLE, nullptr},
    {CMD_OPEN_PLUGIN, nullptr},
    {CMD_OPEN_NETCDF_LIBRARY, nullptr},
    {CMD_ABOUT_PLUGIN, nullptr},
    {CMD_PLOT_WINDOW_CONTROL, CmdPlotWindowControl},
    {CMD_ABOUT, CmdAbout},
    {CMD_HELP, CmdHelp},
    {CMD_FORMULA_EXAMPLE, CmdFormulaExample},
    {CMD_EXIT, CmdExit},
};

}  // namespace

int FrameRunCommand(WindowHandle hFrame, unsigned id) {
  for (const FrameCommand& command : kFrameCommands) {
    if (command.iId != id) continue;
    return command.pfnRun ? command.pfnRun(hFrame) : ShowCommandNotAvailable(id);
  }
  return -1;
}

int FrameOpenFilePath(std::string_view path) {
  FrameCancelStartup();
  if (RememberChosenFile(path) != 0) return -1;
  SetWaitCursor(0);
  const WindowHandle table = CreateTableWindow(TableOpenRequest{OPEN_FILE, std::string(TextOf(Program().szLastPath))});
  SetWaitCursor(1);
  return IsNone(table) ? -1 : 0;
}
