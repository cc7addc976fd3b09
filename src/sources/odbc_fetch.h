// Reading a result set: the columns of an executed statement, their
// display sizes, and a row reader that binds every column as character
// data with a length/indicator, so a NULL reads as no value and a value
// longer than its buffer is known to be cut.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sources/odbc_handles.h"

inline constexpr int ODBC_MAX_COLUMNS = 255;
inline constexpr std::size_t ODBC_NAME_BYTES = 129;  // column and table names: 128 characters

// One result column.
struct OdbcColumn {
  std::string szName;
  SQLSMALLINT iSqlType = 0;
  SQLULEN iPrecision = 0;
  SQLSMALLINT iScale = 0;
  int iDisplaySize = 0;
};

// The display size of a column of `sqlType` and `precision` whose name is
// `nameLength` characters long.
int OdbcDisplaySize(int sqlType, std::uint64_t precision, int nameLength);

// The buffer a column's values are bound with: its display size + 4, and
// never less than a cell's longest text + 1, so every value a cell can
// keep arrives whole.
std::size_t OdbcBindBytes(const OdbcColumn& column);

// Describe the result columns of the executed statement in h.hStmt. 0, or
// -1 after reporting (the handles are freed). More than 255 columns: only
// the first 255 are described.
int OdbcDescribeResult(OdbcHandles& h, std::vector<OdbcColumn>* columns);

// Reads the rows of an executed statement one at a time.
class OdbcRowReader {
 public:
  // Bind every column of `columns` on h.hStmt. `extended` fetches with
  // SQLExtendedFetch (one-row rowset) instead of SQLFetch.
  int Bind(OdbcHandles& h, const std::vector<OdbcColumn>& columns, bool extended);
  // The next row: 1 a row (also after SQL_SUCCESS_WITH_INFO), 0 no more
  // rows, -1 an error (reported, the handles freed).
  int Next();
  // Column i's value of the current row; nullopt for NULL. A value cut to
  // its buffer is returned as far as it arrived.
  std::optional<std::string_view> Value(std::size_t i) const;
  // True when column i's value of the current row did not fit its buffer.
  bool Cut(std::size_t i) const;
  std::size_t Columns() const { return offsets_.size(); }

 private:
  // Column i's length/indicator of the current row.
  SQLLEN Indicator(std::size_t i) const;

  OdbcHandles* h_ = nullptr;
  bool extended_ = false;
  std::vector<char> buffer_;
  std::vector<std::size_t> offsets_;
  std::vector<std::size_t> sizes_;
  std::vector<SQLLEN> indicators_;
};

// Whether the connection's driver supports SQLExtendedFetch.
bool OdbcSupportsExtendedFetch(SQLHDBC hDbc);

// Execute `sql` on a new statement of the connected h: a forward-only,
// read-only cursor where the driver offers one. 0, or -1 after reporting
// (the handles are freed).
int OdbcExecute(OdbcHandles& h, const std::string& sql);
