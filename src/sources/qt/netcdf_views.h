#pragma once

#include "platform/qt/dialog_views.h"

// The views of the NetCDF dialogs: "NetCDF file option", "Image data
// option", "Select Area" and "Time option".
int NetcdfOptionView(QWidget* owner, DialogRequest& request);
int NetcdfImageView(QWidget* owner, DialogRequest& request);
int NetcdfAreaView(QWidget* owner, DialogRequest& request);
int NetcdfTimeView(QWidget* owner, DialogRequest& request);
