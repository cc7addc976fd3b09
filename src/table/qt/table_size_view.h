#pragma once

#include "platform/qt/dialog_views.h"

// The view of the "Table size" dialog.
int TableSizeView(QWidget* owner, DialogRequest& request);
