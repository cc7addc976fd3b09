// The commands the frame carries out itself, registered in one table.
#pragma once

#include <string_view>

#include "platform/window.h"

// Carry out a frame command: 0 when `id` is a frame command, -1 when it
// belongs to the active document.
int FrameRunCommand(WindowHandle hFrame, unsigned id);

// Open a file named on the command line as "Open File ..." would.
int FrameOpenFilePath(std::string_view path);
