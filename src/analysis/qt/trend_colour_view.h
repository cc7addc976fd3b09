// The "Data trend color analysis" dialog on Qt Widgets.
#pragma once

#include "platform/dialogs.h"

class QWidget;

// Show the dialog for a TrendDialogModel; BUTTON_OK or BUTTON_CANCEL.
int TrendColourView(QWidget* owner, DialogRequest& request);
