#include "shell/program_entry.h"

#include "shell/frame_window.h"

int ProgramStart(const WindowClassProcs& procs) {
  if (SetupWindowClasses(procs) != 0) return -1;
  return IsNone(CreateFrameWindow()) ? -1 : 0;
}
