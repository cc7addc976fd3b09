// The "Data count ..." and "Data processing ..." commands of a table
// window: their option dialogs, the report table and the runs.
#pragma once

#include <cstdint>
#include <vector>

#include "analysis/analysis_options.h"
#include "platform/dialogs.h"
#include "platform/window.h"

// The choices of the "Count options" dialog: the options, and the step
// list with the entry chosen (-1: none).
class CountDialogModel final : public DialogModel {
 public:
  CountOptions options;
  std::vector<long long> steps;
  int iStep = -1;
};

inline constexpr const char* COUNT_DIALOG_NAME = "Count options";

// The choices of the "Data processing options" dialog.
class ProcessDialogModel final : public DialogModel {
 public:
  ProcessOptions options;
};

inline constexpr const char* PROCESS_DIALOG_NAME = "Data processing options";

// Count the selection into a new report table: the dialog (it stays open
// while no step is chosen), the report, the run. 0 after a count, 1 when
// cancelled, -1 when no report table could be made.
int DataCount(WindowHandle hwnd);
int CmdDataCount(WindowHandle hwnd, unsigned id, std::intptr_t lParam);

// Process the data into a new report table or over the source cells. 0
// after a run, 1 when cancelled, -1 when no report table could be made.
int DataProcess(WindowHandle hwnd);
int CmdDataProcess(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
