// The commands the frame carries out itself; the command table
// (src/shell/command_routes.cpp) names each with its handler.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/window.h"

// The frame's command handlers (the frame window, the command id, unused).
int CmdOpenFile(WindowHandle hFrame, unsigned id, std::intptr_t lParam);
// MODAS ocean data and stock history files.
int CmdOpenModas(WindowHandle hFrame, unsigned id, std::intptr_t lParam);
int CmdOpenStock(WindowHandle hFrame, unsigned id, std::intptr_t lParam);
// "Open NetCDF file": the netCDF library first (the system's, else one the
// user chooses), then the file.
int CmdOpenNetcdf(WindowHandle hFrame, unsigned id, std::intptr_t lParam);
int CmdNew(WindowHandle hFrame, unsigned id, std::intptr_t lParam);
int CmdNewCustom(WindowHandle hFrame, unsigned id, std::intptr_t lParam);
// A table closed: the menu states without it.
int CmdRefreshMenus(WindowHandle hFrame, unsigned id, std::intptr_t lParam);
int CmdOpen3DPlot(WindowHandle hFrame, unsigned id, std::intptr_t lParam);
int CmdPlotWindowControl(WindowHandle hFrame, unsigned id, std::intptr_t lParam);
int CmdAbout(WindowHandle hFrame, unsigned id, std::intptr_t lParam);
int CmdHelp(WindowHandle hFrame, unsigned id, std::intptr_t lParam);
int CmdFormulaExample(WindowHandle hFrame, unsigned id, std::intptr_t lParam);
int CmdExit(WindowHandle hFrame, unsigned id, std::intptr_t lParam);

// Carry out a frame command: 0 when `id` is a frame command, -1 when it
// belongs to the active document. `lParam` goes to its handler (1302
// carries the table that asks for a 3D plot).
int FrameRunCommand(WindowHandle hFrame, unsigned id, std::intptr_t lParam = 0);

// Open a file named on the command line as "Open File ..." would.
int FrameOpenFilePath(std::string_view path);
