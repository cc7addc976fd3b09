// The "Border line" and "Display style" dialogs on Qt Widgets.
#pragma once

#include "platform/dialogs.h"

class QWidget;

// Show the dialog for a BorderLineModel; BUTTON_OK or BUTTON_CANCEL.
int BorderLineView(QWidget* owner, DialogRequest& request);
// Show the dialog for a DisplayStyleModel; BUTTON_OK or BUTTON_CANCEL.
int DisplayStyleView(QWidget* owner, DialogRequest& request);
