// The commands the frame carries out itself, registered in one table.
#pragma once

#include "platform/window.h"

// Carry out a frame command: 0 when `id` is a frame command, -1 when it
// belongs to the active document.
int FrameRunCommand(WindowHandle hFrame, unsigned id);

// The menu bar the frame shows (in the current language).
void FrameBuildMenu(WindowHandle hFrame);
