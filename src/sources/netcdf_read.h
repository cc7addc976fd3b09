// Writing the chosen variables of a NetCDF file into a table: the column
// of each variable, the flat layout (one row per record combination) and
// the image layout (a grid of the last two levels).
#pragma once

#include <cstdint>
#include <vector>

#include "sources/netcdf_choice.h"
#include "sources/netcdf_library.h"
#include "table/table_record.h"

// A variable read into a column (flat layout).
struct NetcdfColumn {
  int iVar = -1;     // catalogue index
  int iLevel = 0;    // 0 .. 3 for D1 .. D4
  int iColumn = 0;   // table column
};

// What the read left out for lack of rows and columns.
struct NetcdfOverflow {
  std::int64_t iRows = 0;
  std::int64_t iCols = 0;
};

// The D1 records that passed the area and time filters (file indexes);
// bActive false when no filter applies.
struct NetcdfRecordFilter {
  bool bActive = false;
  std::vector<std::int64_t> records;
};

// The columns of the flat layout: a file of a single dimension starts with
// the record number and its position and time variables (read even when not
// chosen); otherwise the chosen variables level by level, in file order.
std::vector<NetcdfColumn> NetcdfAssignColumns(const NetcdfChoiceModel& model);

// Refuse variables of more than four dimensions: drops them from the
// choice, telling the user once. The number dropped.
int NetcdfDropDeepVariables(NetcdfChoiceModel& model);

// Read in the flat layout into `t`.
void NetcdfReadFlat(const NetcdfApi& api, int fileId, const NetcdfChoiceModel& model,
                    const NetcdfRecordFilter& filter, TableDocument& t, NetcdfOverflow* overflow);

// Read in the image layout: the grid of the last two used levels, the
// levels above fixed at their first record; `columnsOuter` when the outer
// grid level runs along the columns.
void NetcdfReadImage(const NetcdfApi& api, int fileId, const NetcdfChoiceModel& model,
                     const NetcdfRecordFilter& filter, bool columnsOuter, TableDocument& t,
                     NetcdfOverflow* overflow);

// Report what was left out ("Table Row overflow ( n )", ...); nothing when
// nothing was.
void NetcdfReportOverflow(const NetcdfOverflow& overflow);
