#include "files/table_file_save.h"

#include <string>

#include "files/private_file_dialog.h"
#include "files/table_file_write.h"
#include "files/table_load.h"
#include "platform/file_dialogs.h"
#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "resources/command_ids.h"
#include "table/table_access.h"
#include "table/table_editor.h"
#include "table/table_events.h"
#include "table/table_window.h"

namespace {

// A table without a file yet: the untitled name in either language, or
// none at all (a database result).
bool HasNoFile(std::string_view name) {
  return name.empty() || name == TextIn(TXT_NEW_TABLE, false) || name == TextIn(TXT_NEW_TABLE, true);
}

// The name a save uses: ".txt" appended when it names neither kind of
// table file; a private save always makes a native file.
std::string SaveName(std::string name, char mode) {
  if (mode == SAVE_PRIVATE) {
    if (name.find(".orl") == std::string::npos) name += ".orl";
  } else if (name.find(".orl") == std::string::npos && name.find(".txt") == std::string::npos) {
    name += ".txt";
  }
  return name;
}

}  // namespace

int CmdSave(WindowHandle hwnd, unsigned, std::intptr_t) {
  TableFileSave(hwnd, SAVE_PLAIN);
  return 0;
}

int CmdSaveAs(WindowHandle hwnd, unsigned, std::intptr_t) {
  TableFileSave(hwnd, SAVE_AS);
  return 0;
}

int CmdSavePrivate(WindowHandle hwnd, unsigned, std::intptr_t) {
  TableFileSavePrivate(hwnd);
  return 0;
}

int TableFileSave(WindowHandle hwnd, char mode) {
  std::string current;
  int readOnly = 0;
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    current = std::string(TextOf(t->szFileName));
    readOnly = t->bReadOnly;
  }
  if (mode == SAVE_PLAIN && readOnly) {
    ReportNotice(Text(TXT_CAPTION_MESSAGE), Text(TXT_FILE_READ_ONLY));
    return -1;
  }
  std::string name = current;
  if (mode != SAVE_PLAIN || HasNoFile(current)) {
    if (SaveFileDialog(hwnd, readOnly, &name) != 0) return -1;
  }
  name = SaveName(std::move(name), mode);
  if (name.size() > TABLE_FILE_PATH_BYTES) {
    ReportNotice(Text(TXT_CAPTION_ERROR), Text(TXT_FILE_NAME_TOO_LONG));
    return -1;
  }
  if (TableIsEditing(hwnd)) EditorCommand(hwnd, EDITOR_COMMIT_CLOSE);
  if (TableFileWrite(hwnd, name, mode) != 0) return -1;
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    CopyText(t->szFileName, name);
    t->bReadOnly = 0;
    t->bModified = 0;
  }
  SetWindowTitle(hwnd, name);
  return 0;
}

int TableFileSavePrivate(WindowHandle hwnd) {
  if (PrivateFileDialogRun(hwnd) != 0) return -1;
  bool empty = true;
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    empty = TextIsEmpty(t->szPassword);
  }
  if (empty) {
    ReportNotice(Text(TXT_CAPTION_MESSAGE), Text(TXT_PASSWORD_EMPTY));
    return -1;
  }
  return TableFileSave(hwnd, SAVE_PRIVATE);
}

void InstallTableFileCommands() {
  // A table opened for a file reads it when its load timer fires.
  TableEvents().pfnLoadFile = TableLoadChosenFile;
}
