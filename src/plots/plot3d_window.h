// The 3D plot window (class "AccessThreeDimensional"): its record, the
// hand-shake with its table, mouse rotation, zoom, offsets, tracking of
// table cells, its pop-up menu and its options. Drawing is the view's
// (plots/qt); this procedure works headless.
#pragma once

#include <cstdint>

#include "platform/window.h"
#include "plots/plot3d_record.h"

inline constexpr const char* PLOT3D_CLASS_NAME = "AccessThreeDimensional";
inline constexpr unsigned TIMER_PLOT3D_PLACE = 40200;

// What the shell does for a 3D plot: menu and tool states when it becomes
// active, the frame's count when it closes.
struct Plot3DShellHooks {
  void (*pfnActivated)(WindowHandle hPlot) = nullptr;
  void (*pfnClosed)(WindowHandle hPlot) = nullptr;
};
Plot3DShellHooks& Plot3DHooks();

std::intptr_t Plot3DWindowProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

// Lay the plot out again from its data (grid mode: layout, data smoothing,
// colours; the paint projects and draws).
void Plot3DRebuild(Plot3DRecord& p);

// The pop-up menu of the plot, built in the current language.
struct PopupMenuList;
PopupMenuList Plot3DMenu(const Plot3DRecord& p);

// The third line of the status band.
std::string Plot3DStatusLine(const Plot3DRecord& p);
