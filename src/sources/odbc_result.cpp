#include "sources/odbc_result.h"

#include <algorithm>
#include <cstring>

#include "platform/notices.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "table/cell_store.h"
#include "table/table_init.h"
#include "table/table_record.h"

namespace {

// The table columns a result of `columns` columns needs (header column
// included), never fewer than a table has.
int ColumnsForResult(int columns) { return std::max(TABLE_MIN_DIMENSION, columns + 1); }

// Row 1 holds the column names, the values start below it.
constexpr int kFirstValueRow = 2;

// A cell keeps texts shorter than a long-text slot.
constexpr std::size_t kKeptBytes = LONG_TEXT_BYTES - 1;

// Read every row of the bound reader into `rows`, up to `limit` rows.
int ReadRows(OdbcRowReader& reader, std::int64_t limit, OdbcResultRows* rows) {
  const std::size_t n = reader.Columns();
  for (;;) {
    const int status = reader.Next();
    if (status < 0) return -1;
    if (status == 0) return 0;
    if (rows->iRows >= limit) {
      rows->bOverflow = true;
      return 0;
    }
    const std::size_t staged = rows->values.Size();
    for (std::size_t i = 0; i < n; ++i) {
      const std::optional<std::string_view> value = reader.Value(i);
      std::uint32_t length = ODBC_NULL_VALUE;
      if (value) {
        if (reader.Cut(i) || value->size() > kKeptBytes) ++rows->iCut;
        length = static_cast<std::uint32_t>(value->size());
      }
      if (!rows->values.AppendSized(length, value ? *value : std::string_view())) {
        // No memory for the row: it counts as one the table cannot hold.
        rows->values.Truncate(staged);
        rows->bOverflow = true;
        return 0;
      }
    }
    ++rows->iRows;
  }
}

}  // namespace

int OdbcRowsForColumns(int columns) {
  const int cols = ColumnsForResult(columns);
  return std::min(TABLE_MAX_DIMENSION, TABLE_CELL_CAPACITY / cols) - 2;
}

int OdbcReadResult(OdbcHandles& h, const std::string& sql, OdbcResultRows* rows) {
  *rows = OdbcResultRows{};
  // A statement is run whole or not at all: cutting it would run another.
  if (sql.size() > ODBC_STATEMENT_BYTES) {
    ReportNotice(Text(TXT_CAPTION_ERROR), Text(TXT_ODBC_STATEMENT_TOO_LONG));
    return -1;
  }
  if (OdbcExecute(h, sql) != 0) return -1;
  if (OdbcDescribeResult(h, &rows->columns) != 0) return -1;
  OdbcRowReader reader;
  const bool extended = OdbcSupportsExtendedFetch(h.hDbc);
  int status = reader.Bind(h, rows->columns, extended);
  if (status == 0 && !rows->columns.empty()) {
    status = ReadRows(reader, OdbcRowsForColumns(static_cast<int>(rows->columns.size())), rows);
  }
  OdbcFreeStatement(h);
  return status;
}

int OdbcStoreResult(TableRecord& t, const OdbcResultRows& rows) {
  const int n = static_cast<int>(rows.columns.size());
  const long long needRows = rows.iRows + 2;
  const bool resized = needRows > t.iRows || n + 1 > t.iCols;
  if (resized) {
    // Keep the table's columns when the rows fit beside them.
    int cols = std::max(t.iCols, n + 1);
    if (needRows * cols > TABLE_CELL_CAPACITY) cols = ColumnsForResult(n);
    const int newRows = static_cast<int>(std::max<long long>(needRows, t.iRows));
    // A new table's rows are readied for filling as it is resized; the
    // labels of the value rows are written with the values below.
    if (ResizeNewTable(t, newRows, cols, kFirstValueRow) != 0) return -1;
    for (int row = static_cast<int>(needRows); row < t.iRows; ++row) TableWriteRowLabel(t, row);
  } else {
    TablePrepareRows(t, 0, static_cast<int>(needRows), n + 1);
  }
  for (int j = 0; j < n; ++j) TableStoreCellText(t, 1, j + 1, rows.columns[static_cast<std::size_t>(j)].szName);
  const std::string_view all = rows.values.View();
  std::size_t at = 0;
  for (std::int64_t r = 0; r < rows.iRows; ++r) {
    const int row = static_cast<int>(r) + kFirstValueRow;
    if (resized) TableWriteRowLabel(t, row);
    for (int j = 0; j < n; ++j) {
      std::uint32_t length = 0;
      std::memcpy(&length, all.data() + at, sizeof length);
      at += sizeof length;
      if (length == ODBC_NULL_VALUE) continue;
      if (length > 0) TableStoreCellText(t, row, j + 1, all.substr(at, length));
      at += length;
    }
  }
  t.iLoadedRows = static_cast<std::int32_t>(rows.iRows + 2);
  return 0;
}

void OdbcReportResultLosses(const OdbcResultRows& rows) {
  if (rows.bOverflow) ReportNotice(Text(TXT_CAPTION_ERROR), Text(TXT_ODBC_MEMORY_OVERFLOW));
  if (rows.iCut > 0) {
    ReportNotice(Text(TXT_CAPTION_MESSAGE), JoinText(Text(TXT_ODBC_VALUES_CUT), FormatInt(rows.iCut)));
  }
}

int OdbcFetchIntoTable(TableRecord& t, OdbcHandles& h, const std::string& sql) {
  OdbcResultRows rows;
  if (OdbcReadResult(h, sql, &rows) != 0) return -1;
  if (OdbcStoreResult(t, rows) != 0) return -1;
  OdbcReportResultLosses(rows);
  return 0;
}
