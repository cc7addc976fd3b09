#pragma once

#include "platform/qt/dialog_views.h"

// The view of the "Plot window control" dialog.
int PlotWindowControlView(QWidget* owner, DialogRequest& request);
