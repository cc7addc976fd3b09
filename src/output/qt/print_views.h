// The views of printing: the system's print dialog (printers and printing
// to a PDF file) and the print preview of the pages before they print.
#pragma once

#include "platform/dialogs.h"

class QWidget;

int PrintDialogView(QWidget* owner, DialogRequest& request);
int PrintPreviewView(QWidget* owner, DialogRequest& request);
