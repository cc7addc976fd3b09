#include "files/table_load.h"

#include <string>

#include "files/read_drops.h"
#include "files/table_file_read.h"
#include "files/table_file_save.h"
#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "table/table_access.h"

int TableLoadChosenFile(WindowHandle hwnd) {
  std::string path;
  bool cut = false;
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    path = std::string(TextOf(t->szFileName));
    cut = t->bFileNameCut != 0;
  }
  // A path too long for the table's file name was cut when the window took
  // it: never open a cut path.
  if (cut) {
    ReportNotice(Text(TXT_CAPTION_ERROR), Text(TXT_FILE_NAME_TOO_LONG));
    return -1;
  }
  if (path.empty()) return -1;
  DropsBegin();
  const int status = TableFileOpen(hwnd, path);
  // Whatever had to be left out is told once the table shows what was read.
  ReportReadDrops(DropsTake());
  return status;
}
