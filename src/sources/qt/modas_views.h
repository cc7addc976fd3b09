#pragma once

#include "platform/qt/dialog_views.h"

// The views of the MODAS and stock history dialogs: "Ocean MODAS data" and
// "Stock Data Import Wizard".
int ModasDialogView(QWidget* owner, DialogRequest& request);
int StockWizardView(QWidget* owner, DialogRequest& request);
