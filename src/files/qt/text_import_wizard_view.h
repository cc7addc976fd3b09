#pragma once

#include "platform/qt/dialog_views.h"

// The view of the "Text Import Wizard".
int TextImportWizardView(QWidget* owner, DialogRequest& request);
