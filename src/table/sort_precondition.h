// Whether "Sort data" can work on a table: a single range of more than one
// cell holding the right-clicked cell, and for whole rows or columns a key
// line of numbers.
#pragma once

#include "platform/window.h"
#include "table/table_record.h"

// 1 when the single selection range is not one cell, holds the
// right-clicked cell (iBrowseRow, iBrowseCol) and, for whole columns (rows),
// the right-clicked column (row) over the range holds only numbers from
// the range's start up to its last non-empty cell; else 0.
int CanSortData(TableRecord& t);
