// The OK and Cancel buttons of the program's dialogs, in its language.
#pragma once

class QDialog;
class QDialogButtonBox;

// OK and Cancel in the program's language, accepting and rejecting `dialog`.
QDialogButtonBox* OkCancelButtons(QDialog& dialog);
