// What a connected data source says about itself: its tables, the
// columns of a table, its type information and identifier quote.
#pragma once

#include <string>
#include <vector>

#include "sources/odbc_handles.h"
#include "sources/odbc_sql_text.h"

// A column of a table as the builder lists it.
struct OdbcTableColumn {
  std::string szName;
  int iSqlType = 0;
  std::uint64_t iPrecision = 0;
  int iScale = 0;
  std::string szTypeName;
};

// The user tables of the connection (SQLTables rows whose type is TABLE;
// system tables are left out). 0, or -1 after reporting.
int OdbcListTables(OdbcHandles& h, std::vector<std::string>* tables);

// The columns of `table` ("SELECT * FROM " + the quoted name, described).
// 0, or -1 after reporting.
int OdbcListColumns(OdbcHandles& h, const std::string& table, const OdbcDialect& dialect,
                    std::vector<OdbcTableColumn>* columns);

// The driver's identifier quote and up to 25 rows of its type
// information (as many as the driver gives). 0, or -1 after reporting a
// failed statement allocation.
int OdbcReadDialect(OdbcHandles& h, OdbcDialect* dialect);

// Connect to a data source for a catalogue call, reporting "SQLConnect is
// SQL_NOT_SUCCESS" when it fails. 0, or -1 (the handles freed).
int OdbcConnectForCatalogue(OdbcHandles& h, const std::string& dsn, const std::string& user,
                            const std::string& password);
