#include "table/table_editor.h"

#include "table/table_access.h"

// Until the editor arrives there is nothing to commit or open.
void EditorCommand(WindowHandle, int) {}

int TableIsEditing(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  return t && t->bEditShown ? 1 : 0;
}
