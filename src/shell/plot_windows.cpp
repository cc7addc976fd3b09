#include "shell/plot_windows.h"

#include <algorithm>

#include "plots/plot_hooks.h"
#include "resources/command_ids.h"
#include "shell/plot_output.h"
#include "shell/menu_rules.h"
#include "shell/program_state.h"
#include "shell/tool_states.h"

namespace {

constexpr int MDI_TOP_BAND = 43;  // the tool band at the top of the MDI client

}  // namespace

WindowHandle CreatePlotWindow(std::string_view cls, std::string_view title, int* placement) {
  ProgramState& program = Program();
  WindowCreateInfo info;
  info.szClass = cls;
  info.szTitle = title;
  info.iStyle = STYLE_VISIBLE | STYLE_CAPTION | STYLE_SYSMENU | STYLE_MINIMIZEBOX | STYLE_MAXIMIZEBOX | STYLE_HSCROLL |
                STYLE_VSCROLL;
  const WindowRect client = WindowRectOf(program.hMdiClient);
  if (program.iPlotWindowMode == PLOT_IN_NEW_WINDOW) {
    *placement = PLOT_IN_NEW_WINDOW;
    const WindowRect frame = WindowRectOf(program.hFrameWnd);
    info.iStyle |= STYLE_POPUP | STYLE_THICKFRAME;
    info.hParent = program.hFrameWnd;
    info.x = frame.x;
    info.y = frame.y + frame.cy * 3 / 4;
    info.cx = std::max(frame.cx, 400);
    info.cy = std::max(frame.cy / 4, 200);
  } else {
    *placement = PLOT_IN_CURRENT_WINDOW;
    info.iStyle |= STYLE_MDICHILD;
    info.hParent = program.hMdiClient;
    info.x = 0;
    info.y = MDI_TOP_BAND;
    info.cx = client.cx > 0 ? client.cx : 800;
    info.cy = client.cy > MDI_TOP_BAND ? client.cy - MDI_TOP_BAND : 600;
  }
  return CreateWindowOf(info);
}

void PlotActivated(WindowHandle plot, int menuCode) {
  ProgramState& program = Program();
  if (program.bClosingAll) return;
  RefreshMenus(plot, menuCode);
  program.toolStates.fill(0);
  program.toolStates[TOOL_OPEN] = 1;
  program.toolStates[TOOL_ZOOM_IN] = 1;
  program.toolStates[TOOL_ZOOM_OUT] = 1;
  program.toolStates[TOOL_COPY] = 1;
  program.toolStates[TOOL_PRINT] = 1;
  if (IsWindowAlive(program.hFormulaBar)) PostCommand(program.hFormulaBar, CMD_FORMULA_BAR_REFRESH);
}

void InstallPlotHooks() {
  PlotHookSet& hooks = PlotHooks();
  hooks.pfnCreatePlotWindow = CreatePlotWindow;
  hooks.pfnPlotActivated = PlotActivated;
  hooks.pfnClosingAll = [] { return Program().bClosingAll; };
  hooks.pfnOutputCommand = PlotOutputCommand;
}
