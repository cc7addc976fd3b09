#include "sources/plugin_run.h"

#include <algorithm>
#include <string>

#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "sources/plugin_calls.h"
#include "sources/plugin_dialog.h"
#include "table/cell_store.h"
#include "table/cell_text.h"
#include "table/table_access.h"
#include "table/table_range.h"
#include "table/table_window.h"
#include "table/table_window_ops.h"

namespace {

// The number of selection ranges of a table.
int RangeCount(const TableDocument& t) { return std::clamp(t.iSelCurrent, 0, SELECTION_RANGES - 1) + 1; }

// Send the cells of one range; 0, or -1 with the plug-in's error.
int SendRange(const PluginApi& api, const TableDocument& t, int index, const TableRange& range, std::string* error) {
  for (int r = range.iRowFrom; r <= range.iRowTo; ++r) {
    for (int c = range.iColFrom; c <= range.iColTo; ++c) {
      const std::string text = TableCellDisplayText(t, r, c);
      const bool numeric = !text.empty() && CellIsText(text) == 0;
      if (PluginSendCell(api, index, r - range.iRowFrom, c - range.iColFrom, numeric, text.c_str(), error) != 0) {
        return -1;
      }
    }
  }
  return 0;
}

// Ask for the result cells that fit and store them; 0, or -1 after
// reporting the plug-in's error.
int FetchResult(const PluginApi& api, WindowHandle hwnd, int row, int col, const PluginResultFit& fit) {
  for (int r = 0; r < fit.iRows; ++r) {
    for (int c = 0; c < fit.iCols; ++c) {
      std::string text;
      if (PluginResultCell(api, r, c, &text) != 0) {
        PluginReportError(text);
        return -1;
      }
      TableSetCellText(hwnd, row + r, col + c, text);
    }
  }
  return 0;
}

}  // namespace

int PluginCanRun(TableDocument& t) {
  if (!PluginLoaded()) return 0;
  const PluginCapacity capacity = PluginCapacityOf();
  const int count = RangeCount(t);
  if (count > capacity.iRanges) return 0;
  if (t.iEditRow <= 0 || t.iEditCol <= 0) return 0;
  for (int i = 0; i < count; ++i) {
    TableRange range{};
    if (TableGetRange(t, i, RANGES_SELECTION, &range) != 0) return 0;
    if (range.iRowFrom <= 0 || range.iColFrom <= 0) return 0;
    if (range.iRowTo - range.iRowFrom >= capacity.iRows || range.iColTo - range.iColFrom >= capacity.iCols) return 0;
    const bool oneCell = range.iRowFrom == range.iRowTo && range.iColFrom == range.iColTo;
    if (count == 1 && oneCell && range.iRowFrom == t.iEditRow && range.iColFrom == t.iEditCol) return 0;
  }
  return 1;
}

int PluginCanRun(WindowHandle hwnd) {
  TableLockGuard t(hwnd);
  return t ? PluginCanRun(*t.get()) : 0;
}

int PluginSendCells(const PluginApi& api, TableDocument& t) {
  const int count = RangeCount(t);
  for (int i = 0; i < count; ++i) {
    TableRange range{};
    if (TableGetRange(t, i, RANGES_SELECTION, &range) != 0) continue;
    std::string error;
    if (SendRange(api, t, i, range, &error) != 0) {
      PluginReportError(error);
      return -1;
    }
  }
  return 0;
}

PluginResultFit PluginFitResult(int row, int col, int tableRows, int tableCols, std::int32_t rows,
                                std::int32_t cols) {
  PluginResultFit fit;
  if (rows <= 0 || cols <= 0) return fit;
  fit.iRows = std::clamp(tableRows - row, 0, static_cast<int>(rows));
  fit.iCols = std::clamp(tableCols - col, 0, static_cast<int>(cols));
  fit.iLeftOut = static_cast<std::int64_t>(rows) * cols - static_cast<std::int64_t>(fit.iRows) * fit.iCols;
  return fit;
}

int PluginDecimalPlaces(int choice) { return choice <= 0 ? 12 : choice - 1; }

int PluginRun(WindowHandle hwnd) {
  const PluginApi* api = PluginLoaded();
  if (!api) return -1;
  int row = 0;
  int col = 0;
  int tableRows = 0;
  int tableCols = 0;
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    if (PluginSendCells(*api, *t.get()) != 0) return -1;
    row = t->iEditRow;
    col = t->iEditCol;
    tableRows = t->iRows;
    tableCols = t->iCols;
  }
  api->SetSpreadsheetCapabilityForResult(row, col, tableRows - row, tableCols - col,
                                         PluginDecimalPlaces(PluginDecimalsChoice()));
  std::string error;
  if (PluginCompute(*api, &error) != 0) {
    PluginReportError(error);
    return -1;
  }
  std::int32_t rows = 0;
  std::int32_t cols = 0;
  if (PluginResultSize(*api, &rows, &cols) == 0) {
    ReportNotice(Text(TXT_CAPTION_MESSAGE), Text(TXT_PLUGIN_NOT_AVAILABLE));
    return -1;
  }
  const PluginResultFit fit = PluginFitResult(row, col, tableRows, tableCols, rows, cols);
  const int status = FetchResult(*api, hwnd, row, col, fit);
  if (status == 0 && fit.iLeftOut > 0) {
    ReportNotice(Text(TXT_CAPTION_MESSAGE),
                 JoinText(Text(TXT_PLUGIN_NO_ROOM), "\n", std::to_string(fit.iLeftOut), Text(TXT_PLUGIN_LEFT_OUT)));
  }
  TableRepaint(hwnd);
  return status;
}

int CmdCallPlugin(WindowHandle hwnd, unsigned, std::intptr_t) {
  if (PluginCanRun(hwnd) != 1) return 0;
  if (PluginSelectFunction(hwnd) != 0) return 0;
  PluginRun(hwnd);
  return 0;
}

int CmdOpenPlugin(WindowHandle hFrame, unsigned, std::intptr_t) {
  PluginLoad(hFrame);
  // "About Plug-in" follows whether a plug-in is loaded now.
  if (!IsNone(hFrame)) PostCommand(hFrame, CMD_REFRESH_MENUS);
  return 0;
}

int CmdAboutPlugin(WindowHandle hFrame, unsigned, std::intptr_t) {
  PluginShowAbout(hFrame);
  return 0;
}
