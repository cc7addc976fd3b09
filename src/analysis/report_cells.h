// Writing the cells of an analysis report table.
#pragma once

#include <string_view>

#include "table/table_record.h"

// Store a text into a report cell (no recalculation: a report has no
// formulas); a computed result gets blue text. -1 outside the table.
int StoreReportCell(TableDocument& report, int row, int col, std::string_view text, bool result);
