#include "analysis/data_count_command.h"

#include "analysis/data_count.h"
#include "analysis/data_process.h"
#include "platform/cursor.h"
#include "platform/message_box.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "table/cell_store.h"
#include "table/report_table.h"
#include "table/table_access.h"
#include "table/table_editor.h"
#include "table/table_input_hooks.h"
#include "table/table_range.h"
#include "table/table_window.h"
#include "table/table_window_ops.h"

namespace {

// The analysis ranges become a copy of the selection ranges.
void TakeSelectionForAnalysis(TableDocument& t) {
  t.iAnaCount = t.iSelCurrent;
  t.anaRowFrom = t.selRowFrom;
  t.anaRowTo = t.selRowTo;
  t.anaColFrom = t.selColFrom;
  t.anaColTo = t.selColTo;
  t.anaKind = t.selKind;
}

// Open the report table of `hwnd` at the source's size; None after the
// user was told it failed.
WindowHandle OpenFittedReport(WindowHandle hwnd) {
  const WindowHandle report = OpenReportTableFor(hwnd);
  if (!IsNone(report)) FitReportTable(hwnd, report);
  return report;
}

}  // namespace

int DataCount(WindowHandle hwnd) {
  EditorCommand(hwnd, EDITOR_COMMIT_CLOSE);
  CountDialogModel model;
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    model.options = AnalysisOptionsOf(*t.get()).count;
    model.steps = CountStepList(CountSpanOf(*t.get(), RANGES_SELECTION), t->iCols);
    model.iStep = CountStepPreselected(model.steps);
  }
  // Without a step the dialog opens again.
  for (;;) {
    if (RunCustomDialog(hwnd, COUNT_DIALOG_NAME, &model) != BUTTON_OK) return 1;
    if (model.iStep >= 0 && model.iStep < static_cast<int>(model.steps.size())) break;
    ShowMessage(Text(TXT_CAPTION_ERROR), Text(TXT_COUNT_STEP));
  }
  CopyText(model.options.szStep, FormatInt(model.steps[static_cast<std::size_t>(model.iStep)]));
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    AnalysisOptionsOf(*t.get()).count = model.options;
    TakeSelectionForAnalysis(*t.get());
  }
  const WindowHandle report = OpenFittedReport(hwnd);
  if (IsNone(report)) return -1;
  SetWaitCursor(0);
  {
    TableLockGuard s(hwnd);
    TableLockGuard r(report);
    if (s && r) DataCountRun(*s.get(), *r.get());
  }
  SetWaitCursor(1);
  FinishReportTable(report);
  return 0;
}

int CmdDataCount(WindowHandle hwnd, unsigned, std::intptr_t) {
  DataCount(hwnd);
  return 0;
}

int DataProcess(WindowHandle hwnd) {
  EditorCommand(hwnd, EDITOR_COMMIT_CLOSE);
  ProcessDialogModel model;
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    model.options = AnalysisOptionsOf(*t.get()).process;
  }
  if (RunCustomDialog(hwnd, PROCESS_DIALOG_NAME, &model) != BUTTON_OK) return 1;
  ProcessOptions& options = model.options;
  // The deviation needs a cell after each line: it never replaces the source.
  if (options.iMethod == PROCESS_DEVIATION) options.iDestination = PROCESS_TO_REPORT;
  bool ok = false;
  const double factor = TextToDoubleChecked(TextOf(options.szScale), &ok);
  if (!ok || factor == 0) CopyText(options.szScale, "1.0");
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    AnalysisOptionsOf(*t.get()).process = options;
  }
  if (options.iDestination == PROCESS_TO_REPORT) {
    const WindowHandle report = OpenFittedReport(hwnd);
    if (IsNone(report)) return -1;
    SetWaitCursor(0);
    {
      TableLockGuard s(hwnd);
      TableLockGuard r(report);
      if (s && r) DataProcessIntoReport(*s.get(), *r.get());
    }
    SetWaitCursor(1);
    FinishReportTable(report);
    return 0;
  }
  // Over the source: the back-up of the whole table first; formulas that
  // read a changed cell run again.
  if (TableHooks().pfnUndoSave) TableHooks().pfnUndoSave(hwnd, UNDO_TABLE_CURRENT_EXTENT);
  SetWaitCursor(0);
  {
    TableLockGuard t(hwnd);
    if (t) {
      DataProcessRun(*t.get(), [hwnd](int row, int col, std::string_view text, bool computed, bool) {
        if (computed) TableSetCellText(hwnd, row, col, text);
      });
      t->bModified = 1;
    }
  }
  SetWaitCursor(1);
  TableRepaint(hwnd);
  return 0;
}

int CmdDataProcess(WindowHandle hwnd, unsigned, std::intptr_t) {
  DataProcess(hwnd);
  return 0;
}
