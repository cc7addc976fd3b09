#pragma once

#include "platform/qt/dialog_views.h"

// The view of the "Private File control" dialog.
int PrivateFileView(QWidget* owner, DialogRequest& request);
