#include "files/private_file_dialog.h"

#include "platform/text_buffer.h"
#include "table/table_access.h"

int PrivateFileDialogRun(WindowHandle hwnd) {
  PrivateFileModel model;
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    model.szPassword = std::string(TextOf(t->szPassword));
  }
  DialogRequest request;
  request.kind = DIALOG_CUSTOM;
  request.hOwner = hwnd;
  request.szName = PRIVATE_FILE_DIALOG;
  request.pModel = &model;
  if (RunDialog(request) != BUTTON_OK) return -1;
  TableLockGuard t(hwnd);
  if (!t) return -1;
  CopyText(t->szPassword, model.szPassword);
  return 0;
}
