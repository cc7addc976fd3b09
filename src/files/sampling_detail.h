// The commands of a sampled table: "Get detailed data" reads the part of
// the file behind a selection of a block again at a finer step into a new
// block; "Remove detailed data" takes a block out again.
#pragma once

#include <cstdint>

#include "platform/window.h"
#include "table/colour.h"
#include "table/table_range.h"
#include "table/table_record.h"

// The colour that marks the n-th new block (n = 0..72).
RgbColour DetailBlockColour(int n);

// Where a block detailing `range` of block `parent` goes, its steps, file
// start and info texts. -1 when the table has no room left for it.
int PlanDetailBlock(const TableDocument& t, int parent, const TableRange& range, SamplingBlock* child);

// The commands; 0 when handled (also when nothing applied), -1 on failure.
int GetDetailedData(WindowHandle hwnd);
int RemoveDetailedData(WindowHandle hwnd);

// The two commands as table window commands.
int CmdGetDetailedData(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
int CmdRemoveDetailedData(WindowHandle hwnd, unsigned id, std::intptr_t lParam);

// Install the table's sampled-block test.
void InstallSamplingCommands();
