#include "sources/odbc_handles.h"

#include <array>

#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"

OdbcDiagnostic OdbcReadDiagnostic(SQLSMALLINT handleType, SQLHANDLE handle) {
  OdbcDiagnostic diag;
  if (handle == SQL_NULL_HANDLE) return diag;
  std::array<SQLCHAR, 6> state{};
  std::array<SQLCHAR, 1024> message{};
  SQLINTEGER native = 0;
  SQLSMALLINT length = 0;
  const SQLRETURN rc = SQLGetDiagRec(handleType, handle, 1, state.data(), &native, message.data(),
                                     static_cast<SQLSMALLINT>(message.size()), &length);
  if (!OdbcOk(rc)) return diag;
  diag.szState.assign(reinterpret_cast<const char*>(state.data()), TextLength(reinterpret_cast<const char*>(state.data()), state.size()));
  diag.szMessage.assign(reinterpret_cast<const char*>(message.data()),
                        TextLength(reinterpret_cast<const char*>(message.data()), message.size()));
  return diag;
}

int OdbcAllocate(OdbcHandles& h) {
  if (!OdbcOk(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &h.hEnv))) {
    h.hEnv = SQL_NULL_HENV;
    ReportNotice(Text(TXT_ODBC_ERROR_CAPTION), Text(TXT_ODBC_ALLOC_ENV_FAILED));
    return -1;
  }
  SQLSetEnvAttr(h.hEnv, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
  if (!OdbcOk(SQLAllocHandle(SQL_HANDLE_DBC, h.hEnv, &h.hDbc))) {
    h.hDbc = SQL_NULL_HDBC;
    ReportNotice(Text(TXT_ODBC_ERROR_CAPTION), Text(TXT_ODBC_ALLOC_CONNECT_FAILED));
    OdbcCloseHandles(h);
    return -1;
  }
  return 0;
}

namespace {

SQLCHAR* Chars(const std::string& text) {
  return reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.c_str()));
}

}  // namespace

int OdbcConnect(OdbcHandles& h, const std::string& dsn, const std::string& user, const std::string& password) {
  const SQLRETURN rc = SQLConnect(h.hDbc, Chars(dsn), SQL_NTS, Chars(user), SQL_NTS, Chars(password), SQL_NTS);
  if (!OdbcOk(rc)) return OdbcReportError(h, rc);
  h.bConnected = true;
  return 0;
}

int OdbcDriverConnect(OdbcHandles& h, const std::string& connection) {
  std::array<SQLCHAR, 1024> out{};
  SQLSMALLINT outLength = 0;
  const SQLRETURN rc = SQLDriverConnect(h.hDbc, nullptr, Chars(connection), SQL_NTS, out.data(),
                                        static_cast<SQLSMALLINT>(out.size()), &outLength, SQL_DRIVER_NOPROMPT);
  if (!OdbcOk(rc)) return OdbcReportError(h, rc);
  h.bConnected = true;
  return 0;
}

int OdbcAllocStatement(OdbcHandles& h) {
  const SQLRETURN rc = SQLAllocHandle(SQL_HANDLE_STMT, h.hDbc, &h.hStmt);
  if (rc == SQL_INVALID_HANDLE) {
    h.hStmt = SQL_NULL_HSTMT;
    ReportNotice(Text(TXT_CAPTION_ERROR), Text(TXT_ODBC_INVALID_STATEMENT));
    return -1;
  }
  if (!OdbcOk(rc)) {
    h.hStmt = SQL_NULL_HSTMT;
    return OdbcReportError(h, rc);
  }
  return 0;
}

void OdbcFreeStatement(OdbcHandles& h) {
  if (h.hStmt == SQL_NULL_HSTMT) return;
  SQLFreeStmt(h.hStmt, SQL_CLOSE);
  SQLFreeHandle(SQL_HANDLE_STMT, h.hStmt);
  h.hStmt = SQL_NULL_HSTMT;
}

void OdbcCloseHandles(OdbcHandles& h) {
  OdbcFreeStatement(h);
  if (h.hDbc != SQL_NULL_HDBC) {
    if (h.bConnected) SQLDisconnect(h.hDbc);
    SQLFreeHandle(SQL_HANDLE_DBC, h.hDbc);
    h.hDbc = SQL_NULL_HDBC;
  }
  h.bConnected = false;
  if (h.hEnv != SQL_NULL_HENV) {
    SQLFreeHandle(SQL_HANDLE_ENV, h.hEnv);
    h.hEnv = SQL_NULL_HENV;
  }
}

int OdbcReportError(OdbcHandles& h, SQLRETURN rc) {
  if (rc == SQL_INVALID_HANDLE) {
    ReportNotice(Text(TXT_CAPTION_ERROR), Text(TXT_ODBC_INVALID_STATEMENT));
  } else {
    OdbcDiagnostic diag = OdbcReadDiagnostic(SQL_HANDLE_STMT, h.hStmt);
    if (diag.szState.empty()) diag = OdbcReadDiagnostic(SQL_HANDLE_DBC, h.hDbc);
    if (diag.szState.empty()) diag = OdbcReadDiagnostic(SQL_HANDLE_ENV, h.hEnv);
    if (diag.szState.empty()) diag.szState = Text(TXT_ODBC_ERROR_CAPTION);
    ReportNotice(diag.szState, diag.szMessage);
  }
  OdbcCloseHandles(h);
  return -1;
}
