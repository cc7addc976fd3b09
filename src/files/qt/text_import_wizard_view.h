#pragma once

#include "platform/qt/dialog_views.h"

#include <string>

class QGroupBox;

// The "Data preview" box of the import dialogs: the head of a file in a
// fixed font, its line ends as the text box knows them.
QGroupBox* DataPreviewBox(const std::string& head);

// The view of the "Text Import Wizard".
int TextImportWizardView(QWidget* owner, DialogRequest& request);
