#include "sources/odbc_fetch.h"

#include <algorithm>
#include <array>

#include "platform/text_buffer.h"
#include "table/table_record.h"

int OdbcDisplaySize(int sqlType, std::uint64_t precision, int nameLength) {
  // Each type's own width, or the name's length when that is wider.
  auto atLeastName = [nameLength](int width) { return std::max(width, nameLength); };
  switch (sqlType) {
    case SQL_CHAR:
    case SQL_VARCHAR: {
      const std::uint64_t capped = std::min<std::uint64_t>(precision, 1u << 20);
      return atLeastName(static_cast<int>(capped));
    }
    case SQL_NUMERIC:
    case SQL_DECIMAL:
    case SQL_BIGINT: return atLeastName(20);
    case SQL_INTEGER:
    case SQL_DATE:
    case SQL_TYPE_DATE: return atLeastName(10);
    case SQL_SMALLINT: return atLeastName(5);
    case SQL_FLOAT:
    case SQL_DOUBLE: return atLeastName(15);
    case SQL_REAL: return atLeastName(7);
    case SQL_TIME:
    case SQL_TYPE_TIME: return atLeastName(8);
    case SQL_TIMESTAMP:
    case SQL_TYPE_TIMESTAMP: return atLeastName(23);
    default: return nameLength;
  }
}

std::size_t OdbcBindBytes(const OdbcColumn& column) {
  return std::max<std::size_t>(static_cast<std::size_t>(column.iDisplaySize) + 4, LONG_TEXT_BYTES + 4);
}

int OdbcDescribeResult(OdbcHandles& h, std::vector<OdbcColumn>* columns) {
  columns->clear();
  SQLSMALLINT count = 0;
  SQLRETURN rc = SQLNumResultCols(h.hStmt, &count);
  if (!OdbcOk(rc)) return OdbcReportError(h, rc);
  count = std::min<SQLSMALLINT>(count, ODBC_MAX_COLUMNS);
  for (SQLUSMALLINT i = 1; i <= static_cast<SQLUSMALLINT>(count); ++i) {
    std::array<SQLCHAR, ODBC_NAME_BYTES> name{};
    SQLSMALLINT nameLength = 0;
    OdbcColumn column;
    SQLSMALLINT nullable = 0;
    rc = SQLDescribeCol(h.hStmt, i, name.data(), static_cast<SQLSMALLINT>(name.size()), &nameLength,
                        &column.iSqlType, &column.iPrecision, &column.iScale, &nullable);
    if (!OdbcOk(rc)) return OdbcReportError(h, rc);
    const char* text = reinterpret_cast<const char*>(name.data());
    column.szName.assign(text, TextLength(text, name.size()));
    column.iDisplaySize = OdbcDisplaySize(column.iSqlType, column.iPrecision, static_cast<int>(column.szName.size()));
    columns->push_back(std::move(column));
  }
  return 0;
}

bool OdbcSupportsExtendedFetch(SQLHDBC hDbc) {
  SQLUSMALLINT supported = SQL_FALSE;
  if (!OdbcOk(SQLGetFunctions(hDbc, SQL_API_SQLEXTENDEDFETCH, &supported))) return false;
  return supported == SQL_TRUE;
}

int OdbcExecute(OdbcHandles& h, const std::string& sql) {
  if (OdbcAllocStatement(h) != 0) return -1;
  // Options a driver does not offer are left at its defaults.
  SQLSetStmtAttr(h.hStmt, SQL_ATTR_CURSOR_TYPE, reinterpret_cast<SQLPOINTER>(SQL_CURSOR_FORWARD_ONLY), 0);
  SQLSetStmtAttr(h.hStmt, SQL_ATTR_CONCURRENCY, reinterpret_cast<SQLPOINTER>(SQL_CONCUR_READ_ONLY), 0);
  const SQLRETURN rc = SQLExecDirect(h.hStmt, reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.c_str())),
                                     static_cast<SQLINTEGER>(sql.size()));
  if (!OdbcOk(rc) && rc != SQL_NO_DATA) return OdbcReportError(h, rc);
  return 0;
}

int OdbcRowReader::Bind(OdbcHandles& h, const std::vector<OdbcColumn>& columns, bool extended) {
  h_ = &h;
  extended_ = extended;
  offsets_.clear();
  sizes_.clear();
  std::size_t total = 0;
  for (const OdbcColumn& column : columns) {
    offsets_.push_back(total);
    sizes_.push_back(OdbcBindBytes(column));
    total += sizes_.back();
  }
  buffer_.assign(total, '\0');
  indicators_.assign(columns.size(), SQL_NULL_DATA);
  if (extended_) SQLSetStmtAttr(h.hStmt, SQL_ROWSET_SIZE, reinterpret_cast<SQLPOINTER>(1), 0);
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const SQLRETURN rc = SQLBindCol(h.hStmt, static_cast<SQLUSMALLINT>(i + 1), SQL_C_CHAR, buffer_.data() + offsets_[i],
                                    static_cast<SQLLEN>(sizes_[i]), &indicators_[i]);
    if (!OdbcOk(rc)) return OdbcReportError(h, rc);
  }
  return 0;
}

int OdbcRowReader::Next() {
  SQLRETURN rc;
  if (extended_) {
    SQLULEN fetched = 0;
    std::array<SQLUSMALLINT, 1> status{};
    rc = SQLExtendedFetch(h_->hStmt, SQL_FETCH_NEXT, 0, &fetched, status.data());
    if (OdbcOk(rc) && fetched == 0) return 0;
  } else {
    rc = SQLFetch(h_->hStmt);
  }
  if (rc == SQL_NO_DATA) return 0;
  // A row with a warning (a value cut to its buffer) is still a row.
  if (OdbcOk(rc)) return 1;
  return OdbcReportError(*h_, rc);
}

SQLLEN OdbcRowReader::Indicator(std::size_t i) const {
  // MDB Tools writes only the low 32 bits of a length/indicator; the high
  // ones keep what was there (all ones from the NULL they start as). No
  // bound buffer reaches 2 GiB, so the low 32 bits, signed, are the value
  // with every driver.
  const auto bits = static_cast<std::uint64_t>(indicators_[i]);
  return static_cast<SQLLEN>(static_cast<std::int32_t>(static_cast<std::uint32_t>(bits & 0xffffffffu)));
}

std::optional<std::string_view> OdbcRowReader::Value(std::size_t i) const {
  const SQLLEN indicator = Indicator(i);
  if (indicator == SQL_NULL_DATA) return std::nullopt;
  const char* data = buffer_.data() + offsets_[i];
  if (indicator == SQL_NO_TOTAL || indicator < 0 || static_cast<std::size_t>(indicator) >= sizes_[i]) {
    return std::string_view(data, TextLength(data, sizes_[i]));
  }
  return std::string_view(data, static_cast<std::size_t>(indicator));
}

bool OdbcRowReader::Cut(std::size_t i) const {
  const SQLLEN indicator = Indicator(i);
  if (indicator == SQL_NULL_DATA) return false;
  return indicator == SQL_NO_TOTAL || static_cast<std::size_t>(indicator) >= sizes_[i];
}
