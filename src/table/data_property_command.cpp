#include "table/data_property_command.h"

#include <algorithm>
#include <string>

#include "platform/message_box.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "table/cell_store.h"
#include "table/long_text.h"
#include "table/table_access.h"
#include "table/table_input_hooks.h"
#include "table/table_window.h"

void DataPropertyApply(WindowHandle hwnd, const DataProperty& p, const TableRange& range) {
  // Every cell is stored first; the formulas then run once.
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    const DataPropertyAdjuster adjuster(p);
    std::string resolved;
    for (int row = std::max(range.iRowFrom, 1); row <= range.iRowTo; ++row) {
      for (int col = std::max(range.iColFrom, 1); col <= range.iColTo; ++col) {
        const TableCell* cell = TableCellAt(*t.get(), row, col);
        if (!cell || cell->szText[0] == '\0') continue;
        std::string_view text = TextOf(cell->szText);
        if (IsLongTextRef(text) == 1) {
          resolved = TableCellDisplayText(*t.get(), row, col);
          text = resolved;
        }
        if (auto changed = adjuster.CellText(text)) TableStoreCellText(*t.get(), row, col, *changed);
      }
    }
    t->bModified = 1;
  }
  if (TableHooks().pfnRecalcAll) TableHooks().pfnRecalcAll(hwnd);
}

int SetDataProperty(WindowHandle hwnd) {
  DataPropertyModel model;
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    if (t->iSelCurrent > 0) {
      ShowMessage(Text(TXT_CAPTION_MESSAGE), Text(TXT_MULTIPLE_SELECTION));
      return -1;
    }
    model.property = DataPropertyOf(*t.get());
  }
  // A refused parameter leaves the dialog open for another try.
  for (;;) {
    if (RunCustomDialog(hwnd, DATA_PROPERTY_DIALOG_NAME, &model) != BUTTON_OK) return 1;
    const auto refusal = DataPropertyRefusal(model.property);
    if (!refusal) break;
    ShowMessage(Text(TXT_CAPTION_ERROR_SHORT), Text(*refusal));
  }
  TableRange range{};
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    DataPropertyStore(*t.get(), model.property);
    if (TableGetRange(*t.get(), 0, RANGES_SELECTION, &range) != 0) return -1;
  }
  if (TableHooks().pfnUndoBackup) {
    TableHooks().pfnUndoBackup(hwnd, range.iRowFrom, range.iRowTo, range.iColFrom, range.iColTo);
  }
  DataPropertyApply(hwnd, model.property, range);
  TableRepaint(hwnd);
  return 0;
}

int CmdSetDataProperty(WindowHandle hwnd, unsigned, std::intptr_t) {
  SetDataProperty(hwnd);
  return 0;
}
