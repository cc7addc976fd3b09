#include "files/table_load.h"

#include <string>

#include "files/table_file_read.h"
#include "files/table_file_save.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "shell/program_state.h"
#include "shell/services.h"
#include "table/table_access.h"

int TableLoadChosenFile(WindowHandle hwnd) {
  std::string path;
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    path = std::string(TextOf(t->szFileName));
  }
  // A path that filled the file name may have been cut when the window
  // took it from the chosen file: never open a cut path.
  const std::string_view chosen = TextOf(Program().szLastPath);
  if (path.size() >= TABLE_FILE_PATH_BYTES && chosen.size() > path.size() && chosen.substr(0, path.size()) == path) {
    ShowMessage(Text(TXT_CAPTION_ERROR), Text(TXT_FILE_NAME_TOO_LONG));
    return -1;
  }
  if (path.empty()) return -1;
  return TableFileOpen(hwnd, path);
}
