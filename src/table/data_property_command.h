// The "Set data property" command of a table window: its dialog, and the
// labels and adjustments applied to the selected range.
#pragma once

#include <cstdint>

#include "platform/dialogs.h"
#include "platform/window.h"
#include "table/data_property.h"

class DataPropertyModel final : public DialogModel {
 public:
  DataProperty property;
};

inline constexpr const char* DATA_PROPERTY_DIALOG_NAME = "Set data property";

// Apply the settings to every cell of one range of a table (whole columns
// and rows cover the used extent), then run the formulas again, so those
// reading a changed cell show it. Marks the table modified.
void DataPropertyApply(WindowHandle hwnd, const DataProperty& p, const TableRange& range);

// The command: one range only, the dialog (it stays while its parameter is
// refused), the undo back-up, then the cells. 0 after a change, 1 when
// cancelled, -1 when refused or not a table.
int SetDataProperty(WindowHandle hwnd);
int CmdSetDataProperty(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
