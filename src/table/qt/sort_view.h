// The "Sort" dialog on Qt Widgets.
#pragma once

#include "platform/dialogs.h"

class QWidget;

// Show the dialog for a SortDialogModel; BUTTON_OK or BUTTON_CANCEL.
int SortView(QWidget* owner, DialogRequest& request);
