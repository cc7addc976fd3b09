// The "Set data property" dialog on Qt Widgets.
#pragma once

#include "platform/dialogs.h"

class QWidget;

// Show the dialog for a DataPropertyModel; BUTTON_OK or BUTTON_CANCEL.
int DataPropertyView(QWidget* owner, DialogRequest& request);
