#include "plots/plot_hooks.h"

PlotHookSet& PlotHooks() {
  static PlotHookSet hooks;
  return hooks;
}

int PlotOutput(WindowHandle plot, unsigned id) {
  return PlotHooks().pfnOutputCommand ? PlotHooks().pfnOutputCommand(plot, id) : 0;
}
