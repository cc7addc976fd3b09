#include "sources/stock_import.h"

#include <memory>

#include "files/text_import.h"
#include "files/text_source.h"
#include "platform/cursor.h"
#include "sources/source_import.h"
#include "table/table_access.h"

namespace {

// Open mode 500: the delimiter (TAB, else the wizard's), the "Stock Data
// Import Wizard" on the first line's fields, then the pivot.
int StockImport(WindowHandle hwnd, const TextSource& source, std::string_view head, const TextImportChoice& choice) {
  TextSyntax syntax;
  if (TextImportChooseSyntax(hwnd, head, choice, &syntax) != 1) return -1;
  StockOptions options;
  if (StockWizardRun(hwnd, head, syntax, &options) != 0) return -1;
  auto pivot = std::make_unique<StockPivot>();
  int status = -1;
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    StockPivotStart(*pivot, *t.get(), syntax, options);
    SetWaitCursor(0);
    status = StockPivotSource(*pivot, source, SourceTextStart(head));
    SetWaitCursor(1);
  }
  FinishSourceImport(hwnd, status, StockTitlePrefix(options));
  StockReportLeftOut(*pivot);
  return status;
}

}  // namespace

void StockInstallReader() { TextImportSetHeadReader(OPEN_STOCK, StockImport); }
