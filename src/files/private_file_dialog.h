// The "Private File control" dialog: the password of a private table file,
// asked before a private save and before opening a private file.
#pragma once

#include <string>

#include "platform/dialogs.h"
#include "platform/window.h"

inline constexpr const char* PRIVATE_FILE_DIALOG = "Private File control";
// The edit box takes this many characters; the table keeps one fewer.
inline constexpr int PRIVATE_PASSWORD_EDIT_CHARS = 20;

class PrivateFileModel final : public DialogModel {
 public:
  std::string szPassword;  // starts as the table's password; the typed text after OK
};

// Run the dialog for a table, starting with the table's password. After OK
// the first 19 bytes typed become the table's szPassword and 0 is returned;
// -1 after Cancel or for a window that is not a table.
int PrivateFileDialogRun(WindowHandle hwnd);
