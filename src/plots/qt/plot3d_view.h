// The 3D plot window on Qt: its off-screen image, painting (projection and
// drawing happen here, so a slow frame is skipped rather than queued) and
// its dialogs.
#pragma once

#include <cstdint>

#include "platform/dialogs.h"
#include "platform/window.h"

class QWidget;

std::intptr_t Plot3DViewProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

// Dialog views: "Control 3D visualization performance", "Select 3D options".
int Plot3DPerformanceView(QWidget* owner, DialogRequest& request);
int Plot3DOptionsView(QWidget* owner, DialogRequest& request);
