#include "sources/source_import.h"

#include <string>

#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "table/table_access.h"
#include "table/table_input.h"
#include "table/table_scroll.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
// Columns are fitted to the texts of this many first rows, at most this wide.
constexpr int kFitRows = 100;
constexpr int kFitMaxWidth = 300;

}  // namespace

std::int64_t SourceTextStart(std::string_view head) {
  return head.substr(0, kUtf8Mark.size()) == kUtf8Mark ? static_cast<std::int64_t>(kUtf8Mark.size()) : 0;
}

void FinishSourceImport(WindowHandle hwnd, int status, std::string_view prefix) {
  std::string path;
  std::string title;
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    path = std::string(TextOf(t->szFileName));
    title = JoinText(prefix, path, t->bReadOnly ? Text(TXT_IMPORT_READ_ONLY) : "");
    FitColumnsToText(*t.get(), kFitRows, kFitMaxWidth, TableTextWidth());
  }
  SetWindowTitle(hwnd, title);
  if (status != 0) ReportNotice(path, Text(TXT_READ_FILE_DATA_FAILED));
}
