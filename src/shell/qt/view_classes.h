// The window system's side of the program: the window procedures of the
// classes that draw, and the views of the program's dialogs.
#pragma once

#include "shell/window_classes.h"

// The plain procedures with the drawing classes replaced by their views.
WindowClassProcs ViewWindowClassProcs();

// Install the dialog views (once, before the first dialog).
void InstallDialogViews();
