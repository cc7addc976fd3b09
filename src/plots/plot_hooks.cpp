#include "plots/plot_hooks.h"

PlotHookSet& PlotHooks() {
  static PlotHookSet hooks;
  return hooks;
}
