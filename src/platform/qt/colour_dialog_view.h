// The colour chooser on Qt Widgets: Qt's colour dialog, not the native one
// (a native dialog may ignore the custom colours).
#pragma once

#include "platform/dialogs.h"

class QWidget;

// Show Qt's colour dialog for a ColourChoiceModel; BUTTON_OK or BUTTON_CANCEL.
int ColourDialogView(QWidget* owner, DialogRequest& request);
