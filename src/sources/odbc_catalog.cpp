#include "sources/odbc_catalog.h"

#include <algorithm>
#include <array>

#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "sources/odbc_fetch.h"

namespace {

// A bound text column of a catalogue result.
struct TextColumn {
  std::array<char, 256> szText{};
  SQLLEN iLength = SQL_NULL_DATA;

  int Bind(SQLHSTMT stmt, SQLUSMALLINT number) {
    return OdbcOk(SQLBindCol(stmt, number, SQL_C_CHAR, szText.data(), static_cast<SQLLEN>(szText.size()), &iLength))
               ? 0
               : -1;
  }
  std::string Value() const {
    if (iLength == SQL_NULL_DATA) return {};
    return std::string(szText.data(), TextLength(szText.data(), szText.size()));
  }
};

// A bound integer column of a catalogue result.
struct IntColumn {
  SQLINTEGER iValue = 0;
  SQLLEN iLength = SQL_NULL_DATA;

  int Bind(SQLHSTMT stmt, SQLUSMALLINT number) {
    return OdbcOk(SQLBindCol(stmt, number, SQL_C_SLONG, &iValue, 0, &iLength)) ? 0 : -1;
  }
  int Value() const { return iLength == SQL_NULL_DATA ? 0 : static_cast<int>(iValue); }
};

// Fetch the next catalogue row: 1, 0 at the end, -1 after reporting.
int FetchRow(OdbcHandles& h) {
  const SQLRETURN rc = SQLFetch(h.hStmt);
  if (rc == SQL_NO_DATA) return 0;
  if (OdbcOk(rc)) return 1;
  return OdbcReportError(h, rc);
}

}  // namespace

int OdbcConnectForCatalogue(OdbcHandles& h, const std::string& dsn, const std::string& user,
                            const std::string& password) {
  if (OdbcAllocate(h) != 0) return -1;
  const SQLRETURN rc =
      SQLConnect(h.hDbc, reinterpret_cast<SQLCHAR*>(const_cast<char*>(dsn.c_str())), SQL_NTS,
                 reinterpret_cast<SQLCHAR*>(const_cast<char*>(user.c_str())), SQL_NTS,
                 reinterpret_cast<SQLCHAR*>(const_cast<char*>(password.c_str())), SQL_NTS);
  if (!OdbcOk(rc)) {
    const OdbcDiagnostic diag = OdbcReadDiagnostic(SQL_HANDLE_DBC, h.hDbc);
    ReportNotice(Text(TXT_CAPTION_ERROR), diag.szMessage.empty()
                                              ? std::string(Text(TXT_ODBC_CONNECT_FAILED))
                                              : JoinText(Text(TXT_ODBC_CONNECT_FAILED), "\n", diag.szState, ": ",
                                                         diag.szMessage));
    OdbcCloseHandles(h);
    return -1;
  }
  h.bConnected = true;
  return 0;
}

int OdbcListTables(OdbcHandles& h, std::vector<std::string>* tables) {
  tables->clear();
  if (OdbcAllocStatement(h) != 0) return -1;
  SQLRETURN rc = SQLTables(h.hStmt, nullptr, 0, nullptr, 0, nullptr, 0,
                           reinterpret_cast<SQLCHAR*>(const_cast<char*>("TABLE")), SQL_NTS);
  if (!OdbcOk(rc)) return OdbcReportError(h, rc);
  std::array<TextColumn, 4> columns;
  for (SQLUSMALLINT i = 0; i < columns.size(); ++i) {
    if (columns[i].Bind(h.hStmt, static_cast<SQLUSMALLINT>(i + 1)) != 0) return OdbcReportError(h, SQL_ERROR);
  }
  int status;
  while ((status = FetchRow(h)) == 1) {
    // Some drivers list their system tables whatever type is asked for.
    if (columns[3].Value() == "TABLE") tables->push_back(columns[2].Value());
  }
  OdbcFreeStatement(h);
  return status;
}

int OdbcListColumns(OdbcHandles& h, const std::string& table, const OdbcDialect& dialect,
                    std::vector<OdbcTableColumn>* columns) {
  columns->clear();
  if (OdbcExecute(h, JoinText("SELECT * FROM ", OdbcQuoteName(table, dialect))) != 0) return -1;
  std::vector<OdbcColumn> described;
  if (OdbcDescribeResult(h, &described) != 0) return -1;
  for (std::size_t i = 0; i < described.size(); ++i) {
    OdbcTableColumn column;
    column.szName = described[i].szName;
    column.iSqlType = described[i].iSqlType;
    column.iPrecision = described[i].iPrecision;
    column.iScale = described[i].iScale;
    std::array<char, 128> typeName{};
    SQLSMALLINT length = 0;
    if (OdbcOk(SQLColAttribute(h.hStmt, static_cast<SQLUSMALLINT>(i + 1), SQL_DESC_TYPE_NAME, typeName.data(),
                               static_cast<SQLSMALLINT>(typeName.size()), &length, nullptr))) {
      column.szTypeName.assign(typeName.data(), TextLength(typeName.data(), typeName.size()));
    }
    columns->push_back(std::move(column));
  }
  OdbcFreeStatement(h);
  return 0;
}

int OdbcReadDialect(OdbcHandles& h, OdbcDialect* dialect) {
  *dialect = OdbcDialect{};
  std::array<char, 8> quote{};
  SQLSMALLINT length = 0;
  if (OdbcOk(SQLGetInfo(h.hDbc, SQL_IDENTIFIER_QUOTE_CHAR, quote.data(), static_cast<SQLSMALLINT>(quote.size()),
                        &length))) {
    dialect->szQuote.assign(quote.data(), TextLength(quote.data(), quote.size()));
  }
  // The type table only refines literals (character types are quoted
  // without it): a driver that cannot list or convert its type rows
  // leaves the rows read so far and the connection as it was.
  if (OdbcAllocStatement(h) != 0) return -1;
  if (!OdbcOk(SQLGetTypeInfo(h.hStmt, SQL_ALL_TYPES))) {
    OdbcFreeStatement(h);
    return 0;
  }
  TextColumn name, prefix, suffix;
  IntColumn type, precision, minScale, maxScale;
  if (name.Bind(h.hStmt, 1) != 0 || type.Bind(h.hStmt, 2) != 0 || precision.Bind(h.hStmt, 3) != 0 ||
      prefix.Bind(h.hStmt, 4) != 0 || suffix.Bind(h.hStmt, 5) != 0 || minScale.Bind(h.hStmt, 14) != 0 ||
      maxScale.Bind(h.hStmt, 15) != 0) {
    OdbcFreeStatement(h);
    return 0;
  }
  while (static_cast<int>(dialect->types.size()) < ODBC_TYPE_ROWS && OdbcOk(SQLFetch(h.hStmt))) {
    OdbcTypeRow row;
    row.szTypeName = name.Value();
    row.iSqlType = type.Value();
    row.iPrecision = static_cast<std::uint64_t>(std::max(precision.Value(), 0));
    row.szPrefix = prefix.Value();
    row.szSuffix = suffix.Value();
    row.iMinScale = minScale.Value();
    row.iMaxScale = maxScale.Value();
    dialect->types.push_back(std::move(row));
  }
  OdbcFreeStatement(h);
  return 0;
}
