// Program start without the event loop: classes and the frame.
#pragma once

#include "shell/window_classes.h"

// Register the window classes with `procs` and create the frame. 0, or -1
// when a class or the frame could not be set up (the program then ends).
int ProgramStart(const WindowClassProcs& procs);
