// The view of the "Data Export Options" dialog of a 3D plot.
#pragma once

#include "platform/dialogs.h"

class QWidget;

int ExportOptionsView(QWidget* owner, DialogRequest& request);
