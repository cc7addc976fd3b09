// The plug-in dialogs on Qt Widgets: "About Plug in" and "Plug-in function
// selections".
#pragma once

#include "platform/dialogs.h"

class QWidget;

// Show "About Plug in" for a PluginAboutModel; BUTTON_OK.
int PluginAboutView(QWidget* owner, DialogRequest& request);

// Show "Plug-in function selections" for a PluginFunctionModel; BUTTON_OK
// or BUTTON_CANCEL.
int PluginFunctionView(QWidget* owner, DialogRequest& request);
