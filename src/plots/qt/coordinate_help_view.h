#pragma once

#include "platform/qt/dialog_views.h"

// The view of the "Get coordinate" help dialog.
int CoordinateHelpView(QWidget* owner, DialogRequest& request);
