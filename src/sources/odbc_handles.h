// The handles of one database connection (environment, connection,
// statement), their release, and the report of a failed ODBC call.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <string>

struct OdbcHandles {
  SQLHENV hEnv = SQL_NULL_HENV;
  SQLHDBC hDbc = SQL_NULL_HDBC;
  SQLHSTMT hStmt = SQL_NULL_HSTMT;
  bool bConnected = false;
};

// What the driver manager or the driver said about the last call on a
// handle: the SQLSTATE and the message of the first diagnostic record
// (both empty when there is none).
struct OdbcDiagnostic {
  std::string szState;
  std::string szMessage;
};
OdbcDiagnostic OdbcReadDiagnostic(SQLSMALLINT handleType, SQLHANDLE handle);

// True for SQL_SUCCESS and SQL_SUCCESS_WITH_INFO.
inline bool OdbcOk(SQLRETURN rc) { return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO; }

// Allocate an environment (ODBC 3 behaviour) and a connection handle. 0, or
// -1 after reporting which allocation failed.
int OdbcAllocate(OdbcHandles& h);

// Connect to a data source with a user ID and password. 0, or -1 after
// reporting the driver's message (the handles are then freed).
int OdbcConnect(OdbcHandles& h, const std::string& dsn, const std::string& user, const std::string& password);

// Connect with a connection string ("DRIVER={SQLite3};Database=..."), no
// data source needed. 0, or -1 after reporting (the handles are freed).
int OdbcDriverConnect(OdbcHandles& h, const std::string& connection);

// Allocate a statement handle on the connection. 0, or -1 after reporting.
int OdbcAllocStatement(OdbcHandles& h);

// Close and free the statement handle, if any (the connection stays).
void OdbcFreeStatement(OdbcHandles& h);

// Disconnect and free every handle; each is cleared, so calling it again
// (or after OdbcReportError) does nothing.
void OdbcCloseHandles(OdbcHandles& h);

// After a call returned SQL_ERROR (or SQL_INVALID_HANDLE): report the
// diagnostic of the statement, else the connection, else the environment,
// with its SQLSTATE as the caption, then free all handles (cleared). `rc`
// tells an invalid handle from an error. Always -1.
int OdbcReportError(OdbcHandles& h, SQLRETURN rc);
