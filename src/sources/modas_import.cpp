#include "sources/modas_import.h"

#include "files/text_import.h"
#include "files/text_source.h"
#include "platform/cursor.h"
#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "sources/source_import.h"
#include "table/table_access.h"

namespace {

// Open mode 5: the delimiter (TAB, else the wizard's), the "Ocean MODAS
// data" dialog, then the read into the table, which stays read-only.
int ModasImport(WindowHandle hwnd, const TextSource& source, std::string_view head, const TextImportChoice& choice) {
  TextSyntax syntax;
  if (TextImportChooseSyntax(hwnd, head, choice, &syntax) != 1) return -1;
  ModasOptions options;
  if (ModasDialogRun(hwnd, &options) != 0) return -1;
  ModasReader reader;
  int status = -1;
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    t->bReadOnly = 1;
    ModasReaderStart(reader, *t.get(), syntax, options);
    SetWaitCursor(0);
    status = ModasReadSource(reader, source, SourceTextStart(head));
    SetWaitCursor(1);
  }
  FinishSourceImport(hwnd, status, "");
  ModasReportLeftOut(reader);
  return status;
}

}  // namespace

void ModasInstallReader() { TextImportSetHeadReader(OPEN_MODAS, ModasImport); }
