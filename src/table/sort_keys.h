// The sort of a table's key values: a partition sort that moves each key's
// source row and column with it. Equal keys end in the order its
// partitioning leaves them (the sort is not stable), and users see that
// order in sorted reports, so it must not change.
#pragma once

#include <cstdint>

#include "table/table_record.h"

// Sort values[first..last] ascending (order SORT_ASCENDING) or descending
// (SORT_DESCENDING), swapping rows[] and cols[] along. Indexes outside
// 0..count - 1 are left alone.
void QuickSortKeys(double* values, std::int32_t* rows, std::int32_t* cols, int count, int first, int last,
                   int order);

// Sort the table's keys dSortBuffer, sortRow, sortCol from `first` to `last`
// in the table's iSortOrder.
void QuickSortKeys(TableDocument& t, int first, int last);
