// The installed ODBC drivers and data sources, and the kinds of database
// file the Database menu opens, each with the driver names it accepts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "resources/string_table.h"

enum OdbcFileKind : int {
  ODBC_ACCESS,
  ODBC_DBASE,
  ODBC_FOXPRO,
  ODBC_PARADOX,
  ODBC_SQLITE,
  ODBC_FILE_KINDS,
};

struct OdbcFileKindInfo {
  const char* szSourcePrefix;        // data source names: prefix + sequence number
  std::vector<const char*> drivers;  // accepted driver descriptions, contained in the name
  TextId iFilterName;                // the open dialog's filter
  const char* szPatterns;            // its patterns ("*.mdb;*.MDB;...")
};
const OdbcFileKindInfo& OdbcKindInfo(OdbcFileKind kind);

// Descriptions of every installed driver, in the driver manager's order.
std::vector<std::string> OdbcListDrivers();

// The first driver description in `drivers` containing `text`; empty when none.
std::string OdbcFindDriverIn(const std::vector<std::string>& drivers, std::string_view text);
// The same over the installed drivers.
std::string OdbcFindDriver(std::string_view text);

// The installed driver for a kind of file: the first of its accepted
// descriptions found (empty when none is installed).
std::string OdbcDriverForKind(const std::vector<std::string>& drivers, OdbcFileKind kind);

struct OdbcDataSource {
  std::string szName;
  std::string szDriver;
};
// Every data source the driver manager knows (user and system).
std::vector<OdbcDataSource> OdbcListDataSources();

// The kind of a database file by its name (.mdb, .accdb in any letter
// case) or its first bytes (an SQLite 3 header); -1 when it is neither.
int OdbcKindOfFile(const std::string& path);
