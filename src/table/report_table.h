// Report tables: the new table window a command fills with its results
// (sorted blocks, counts, processed data), recorded as the source table's
// hReportTable.
#pragma once

#include "platform/window.h"
#include "table/table_record.h"

// Open a new table as the report table of `source`; None (after the user
// is told "Open report table failed") when it cannot be made.
WindowHandle OpenReportTableFor(WindowHandle source);

// Give a report document the size of its source when that is not the
// normal 2001 x 371 (headers relabelled for the new size).
void FitReportTable(const TableDocument& source, TableDocument& report);

// Close a report table that stays unfilled (cancelled or refused) and let
// the source become active again.
void DiscardReportTable(WindowHandle source, WindowHandle report);

// A filled report: marked modified (it asks to be saved when closed), its
// columns widened to the texts of its first rows, scroll ranges for its
// size, repainted.
void FinishReportTable(WindowHandle report);
