#include "shell/plot_window_control.h"

#include "shell/program_state.h"

int PlotWindowControlRun(WindowHandle owner) {
  PlotWindowControlModel model;
  model.iMode = Program().iPlotWindowMode;
  DialogRequest request;
  request.kind = DIALOG_CUSTOM;
  request.hOwner = owner;
  request.szName = "Plot window control";
  request.pModel = &model;
  const int button = RunDialog(request);
  if (button == BUTTON_OK && (model.iMode == PLOT_IN_NEW_WINDOW || model.iMode == PLOT_IN_CURRENT_WINDOW)) {
    Program().iPlotWindowMode = model.iMode;
  }
  return button;
}
