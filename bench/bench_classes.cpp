#include "bench_classes.h"

#include "shell/window_classes.h"

bool EnsureBenchWindowClasses() {
  static const bool registered = SetupWindowClasses(PlainWindowClassProcs()) == 0;
  return registered;
}
