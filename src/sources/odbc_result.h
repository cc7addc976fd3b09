// A query's result read into a table: the rows are read first (as many as
// a table can hold for the result's column count), then the table is
// given a size that holds them and filled: the column names in row 1, the
// values from row 2 on, a NULL as an empty cell.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/byte_run.h"
#include "sources/odbc_fetch.h"
#include "sources/odbc_handles.h"

struct TableRecord;

// The length a NULL value is staged with.
inline constexpr std::uint32_t ODBC_NULL_VALUE = UINT32_MAX;

// The longest statement that is run (characters).
inline constexpr std::size_t ODBC_STATEMENT_BYTES = 5000;

// The rows of a result: every value in turn, as its length in 4 bytes
// (ODBC_NULL_VALUE for a NULL) and its bytes.
struct OdbcResultRows {
  std::vector<OdbcColumn> columns;
  ByteRun values;
  std::int64_t iRows = 0;
  std::int64_t iCut = 0;       // values longer than a cell keeps
  bool bOverflow = false;      // more rows came than a table holds (or memory takes)
};

// The data rows a table can hold (below its header row and the row of
// column names) for a result of `columns` columns.
int OdbcRowsForColumns(int columns);

// Execute `sql` on the connected h and read its rows into `rows`. 0, or -1
// after reporting the driver's message (the handles are then freed) or a
// statement longer than ODBC_STATEMENT_BYTES (refused, not cut). The
// statement is closed and freed either way.
int OdbcReadResult(OdbcHandles& h, const std::string& sql, OdbcResultRows* rows);

// Put the rows into a table: the table is resized when they do not fit
// it (its texts and headers start again), then row 1 gets the column
// names and the rows follow from row 2. iLoadedRows becomes the row after
// the last one written. 0, or -1 when no size holds them.
int OdbcStoreResult(TableRecord& t, const OdbcResultRows& rows);

// Report what could not be kept: rows beyond the table ("Memory overflow")
// and values that were cut, each once.
void OdbcReportResultLosses(const OdbcResultRows& rows);

// The whole fetch into a table: execute, read, store and report the
// losses. 0, or -1 after reporting.
int OdbcFetchIntoTable(TableRecord& t, OdbcHandles& h, const std::string& sql);
