// A statement run on a database file without a data source: the file's
// driver is found by its kind and reached with a connection string. The
// command line's --sql uses it.
#pragma once

#include <string>

#include "sources/odbc_drivers.h"

struct TableRecord;

// The connection string for a database file: the driver, then the file
// as both "DBQ=" and "Database=" (drivers differ in which they read). A
// path the string cannot carry (a ';' in it) gives the empty text.
std::string OdbcFileConnection(const std::string& driver, const std::string& path);

// Run `sql` on the database file at `path` and put its result into the
// table. 0, or -1 after reporting why not (unknown kind of file, missing
// driver, the driver's SQLSTATE and message).
int OdbcQueryFileIntoTable(TableRecord& t, const std::string& path, const std::string& sql);
