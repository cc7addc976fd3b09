// The "Find data" dialog on Qt Widgets.
#pragma once

#include "platform/dialogs.h"

class QWidget;

// Show the dialog for a FindDialogModel; BUTTON_OK or BUTTON_CANCEL.
int FindView(QWidget* owner, DialogRequest& request);
