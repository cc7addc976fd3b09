// The window system's side of printing, pictures and data export: the
// output hooks on Qt and the views of the output dialogs.
#pragma once

#include "output/qt/export_options_view.h"
#include "output/qt/print_views.h"

// Set the output hooks to the Qt printer, image and picture-file code.
void InstallOutputWindowSystem();
