// The "Plot window control" dialog: open plots in a new top-level window
// (for multiple monitors) or inside the frame.
#pragma once

#include "platform/dialogs.h"
#include "platform/window.h"

class PlotWindowControlModel final : public DialogModel {
 public:
  int iMode = 34;  // 33 new window, 34 current window
};

// Run the dialog with the current mode pre-selected; OK stores the choice.
// Returns the button.
int PlotWindowControlRun(WindowHandle owner);
