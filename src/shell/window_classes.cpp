#include "shell/window_classes.h"

#include "files/sampling_detail.h"
#include "files/table_file_save.h"
#include "files/undo_backup.h"
#include "formula/formula_marker.h"
#include "plots/chart_window.h"
#include "plots/coordinate_commands.h"
#include "platform/edit_control.h"
#include "platform/list_control.h"
#include "table/table_input_hooks.h"
#include "plots/plot3d_table.h"
#include "plots/plot3d_window.h"
#include "resources/command_ids.h"
#include "shell/program_state.h"
#include "shell/tool_states.h"
#include "shell/command_routes.h"
#include "shell/formula_bar.h"
#include "shell/frame_window.h"
#include "shell/menu_rules.h"
#include "shell/plot_windows.h"
#include "shell/table_popup_menus.h"
#include "shell/welcome_window.h"
#include "sources/modas_import.h"
#include "sources/netcdf_open.h"
#include "sources/stock_import.h"
#include "table/table_find.h"
#include "table/table_goto.h"
#include "table/table_window.h"

namespace {

// The 3D plot window arrives with its part of the program; until then
// it is a plain window.
std::intptr_t PlainProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  return DefaultWindowProc(hwnd, msg, wParam, lParam);
}

// A 3D plot became active: the menu bar and the tool bar in its states.
void Plot3DActivated(WindowHandle hPlot) {
  RefreshMenus(hPlot, MENU_REFRESH_PLOT3D);
  RefreshPlot3DToolStates();
}

// A 3D plot closed: one fewer, and the tool bar repaints.
void Plot3DClosed(WindowHandle) {
  ProgramState& program = Program();
  if (program.n3DWindows > 0) --program.n3DWindows;
  if (IsWindowAlive(program.hFormulaBar)) PostCommand(program.hFormulaBar, CMD_FORMULA_BAR_REFRESH);
}

}  // namespace

WindowClassProcs PlainWindowClassProcs() {
  WindowClassProcs procs;
  procs.frame = FrameWindowProc;
  procs.formulaBar = FormulaBarProc;
  procs.chart = ChartWindowProc;
  procs.table = TableWindowProc;
  procs.plot3D = Plot3DWindowProc;
  procs.welcome = WelcomeWindowProc;
  procs.pictureStrip = PlainProc;
  procs.dataImage = PlainProc;
  procs.edit = EditControlProc;
  procs.list = ListControlProc;
  procs.mdiClient = PlainProc;
  return procs;
}

int SetupWindowClasses(const WindowClassProcs& procs) {
  const WindowClassInfo classes[] = {
      {CLASS_FRAME, procs.frame, 0, 0, ICON_PROGRAM, BACKGROUND_WHITE, MENU_FRAME},
      {CLASS_FORMULA_BAR, procs.formulaBar, 0, 0, 0, BACKGROUND_WHITE, 0},
      {CLASS_CHART, procs.chart, 0, 4, ICON_PROGRAM, BACKGROUND_WHITE, 0},
      {CLASS_TABLE, procs.table, CLASS_DOUBLE_CLICKS, 4, ICON_PROGRAM, BACKGROUND_WHITE, 0},
      {CLASS_PLOT_3D, procs.plot3D, CLASS_DOUBLE_CLICKS, 4, ICON_PROGRAM, BACKGROUND_WHITE, 0},
      {CLASS_WELCOME, procs.welcome, CLASS_DOUBLE_CLICKS, 4, ICON_PROGRAM, BACKGROUND_LIGHT_GREY, 0},
      {CLASS_PICTURE_STRIP, procs.pictureStrip, 0, 0, 0, BACKGROUND_LIGHT_GREY, 0},
      {CLASS_DATA_IMAGE, procs.dataImage, 0, 0, ICON_PROGRAM, BACKGROUND_LIGHT_GREY, 0},
      {CLASS_EDIT, procs.edit, 0, 0, 0, BACKGROUND_WHITE, 0},
      {CLASS_LIST, procs.list, 0, 0, 0, BACKGROUND_WHITE, 0},
      {CLASS_MDI_CLIENT, procs.mdiClient, 0, 0, 0, BACKGROUND_LIGHT_GREY, 0},
  };
  for (const WindowClassInfo& info : classes) {
    if (RegisterWindowClass(info) != 0) return -1;
  }
  // Table input reaches the formula registry, the pop-up menus and the
  // tool states through its hooks.
  InstallFormulaHooks();
  InstallTableEvents();
  InstallTablePopupMenus();
  InstallFormulaBarHooks();
  // Menu and tool states follow the table; "Go to ..." and the image-view
  // menu states are table commands.
  InstallMenuRules();
  // A table command that no part registered tells the user it is not
  // available yet.
  InstallCommandRoutes();
  // Get and remove detailed data of sampled tables.
  InstallSamplingCommands();
  // The save commands of the table windows.
  InstallTableFileCommands();
  InstallUndoHooks();
  // NetCDF files are read through the netCDF library.
  NetcdfInstallReader();
  // MODAS ocean data and stock history files are read from their text.
  ModasInstallReader();
  StockInstallReader();
  // Key F3 finds the next cell holding the find text.
  InstallFindHooks();
  // A pending coordinate declaration takes the table's right-button release.
  InstallCoordinateHooks();
  // Charts open in the frame and set its menus when active.
  InstallPlotHooks();
  // The 3D plot follows the browse cell and tells the shell when it is
  // active or closed.
  InstallPlot3DTableHooks();
  Plot3DHooks().pfnActivated = Plot3DActivated;
  Plot3DHooks().pfnClosed = Plot3DClosed;
  return 0;
}
