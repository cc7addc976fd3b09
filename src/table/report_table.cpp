#include "table/report_table.h"

#include "resources/command_ids.h"
#include "table/table_access.h"
#include "table/table_events.h"
#include "table/table_init.h"
#include "table/table_input.h"
#include "table/table_range.h"
#include "table/table_scroll.h"
#include "table/table_window.h"
#include "table/table_window_ops.h"

WindowHandle OpenReportTableFor(WindowHandle source) {
  WindowHandle report = WindowHandle::None;
  if (TableEvents().pfnCreateTable) report = TableEvents().pfnCreateTable(TableOpenRequest{});
  return SetReportTable(source, report) == 1 ? report : WindowHandle::None;
}

void FitReportTable(const TableDocument& source, TableDocument& report) {
  if (source.iRows == TABLE_NORMAL_ROWS && source.iCols == TABLE_NORMAL_COLS) return;
  if (report.iRows == source.iRows && report.iCols == source.iCols) return;
  if (SetImportTableSize(report, source.iRows, source.iCols) == 0) RelabelHeaders(report);
}

void DiscardReportTable(WindowHandle source, WindowHandle report) {
  if (TableLockGuard s(source); s && s->hReportTable == report) s->hReportTable = WindowHandle::None;
  if (IsWindowAlive(report)) DestroyWindowOf(report);
  if (IsWindowAlive(source)) PostCommand(source, CMD_TABLE_ACTIVE_AGAIN);
}

namespace {

// Columns are fitted to the texts of their first rows, up to a width.
constexpr int REPORT_FIT_ROWS = 100;
constexpr int REPORT_FIT_MAX_WIDTH = 300;

}  // namespace

void FinishReportTable(WindowHandle report) {
  if (TableLockGuard r(report); r) {
    r->bModified = 1;
    // Results and labels show whole, as the columns of an imported file do.
    FitColumnsToText(*r.get(), REPORT_FIT_ROWS, REPORT_FIT_MAX_WIDTH, TableTextWidth());
  }
  TableSetScrollRanges(report);
  TableRepaint(report);
}
