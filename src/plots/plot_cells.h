// Reading table cells for plots.
#pragma once

#include "table/table_record.h"

// True when cell (row, col) exists, is not empty and holds a number; its
// value goes to `value`.
bool PlotCellNumber(const TableDocument& t, int row, int col, double* value);
