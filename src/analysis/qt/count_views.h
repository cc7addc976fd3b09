// The "Count options" and "Data processing options" dialogs on Qt Widgets.
#pragma once

#include "platform/dialogs.h"

class QWidget;

// Show the dialog for a CountDialogModel; BUTTON_OK or BUTTON_CANCEL.
int CountOptionsView(QWidget* owner, DialogRequest& request);

// Show the dialog for a ProcessDialogModel; BUTTON_OK or BUTTON_CANCEL.
int ProcessOptionsView(QWidget* owner, DialogRequest& request);
