// The in-place cell editor of a table window.
#pragma once

#include "platform/window.h"

enum EditorMode : int {
  EDITOR_COMMIT_CLOSE = 1,  // store the text and close
  EDITOR_OPEN = 2,          // open on the current cell
  EDITOR_CONTINUE = 4,      // open on the next cell after Tab or Enter
  EDITOR_RESET_CLOSE = 5,   // store, reset the selection and close
};

// Carry out an editor command.
void EditorCommand(WindowHandle hwnd, int mode);

// 1 while the editor is shown (0 for a window without a record).
int TableIsEditing(WindowHandle hwnd);
