// Reading query results through ODBC from an SQLite file of 100,000 rows
// x 5 columns: the row reader alone over every row, and 16,383 rows (a full table) into a
// table that is resized to hold them. Baseline: a bare SQLFetch loop over
// the same statement with plain bound buffers, in the same run.
#include <benchmark/benchmark.h>
#include <sql.h>
#include <sqlext.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <string>

#include "platform/notices.h"
#include "ratio_reporter.h"
#include "sources/odbc_fetch.h"
#include "sources/odbc_handles.h"
#include "sources/odbc_result.h"
#include "table/table_access.h"
#include "table/table_init.h"

namespace {

constexpr const char* kDriver = "/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so";
const std::string kAllRows = "SELECT id, name, amount, day, note FROM rows";
const std::string kTableRows = kAllRows + " LIMIT 16383";  // a full table below its names row

// The database file, made once: 100,000 rows of an integer, a text, a
// real, a date text and a text with NULLs.
const std::string& DatabasePath() {
  static const std::string path = [] {
    const std::string file = "/tmp/cartovel_bench_rows_" + std::to_string(getpid()) + ".sqlite";
    std::remove(file.c_str());
    OdbcHandles h;
    if (OdbcAllocate(h) != 0 || OdbcDriverConnect(h, "DRIVER=" + std::string(kDriver) + ";Database=" + file) != 0) {
      return std::string();
    }
    for (const char* sql :
         {"CREATE TABLE rows (id INTEGER, name TEXT, amount REAL, day TEXT, note TEXT)",
          "INSERT INTO rows WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000) "
          "SELECT i, 'name ' || i, i * 0.37, date('2000-01-01', '+' || (i % 9000) || ' days'), "
          "CASE WHEN i % 3 = 0 THEN NULL ELSE 'note of row ' || i END FROM n"}) {
      if (OdbcExecute(h, sql) != 0) return std::string();
      OdbcFreeStatement(h);
    }
    OdbcCloseHandles(h);
    return file;
  }();
  return path;
}

// A connection to the file, kept for the whole run.
OdbcHandles& Connection() {
  static OdbcHandles h = [] {
    OdbcHandles made;
    if (OdbcAllocate(made) == 0) {
      OdbcDriverConnect(made, "DRIVER=" + std::string(kDriver) + ";Database=" + DatabasePath());
    }
    return made;
  }();
  return h;
}

// The bare driver: execute, bind five 64-byte buffers, SQLFetch to the end.
void BareFetch(benchmark::State& state, const std::string& sql) {
  OdbcHandles& h = Connection();
  for (auto _ : state) {
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    SQLAllocHandle(SQL_HANDLE_STMT, h.hDbc, &stmt);
    SQLExecDirect(stmt, reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.c_str())), SQL_NTS);
    std::array<std::array<char, 64>, 5> buffers{};
    std::array<SQLLEN, 5> lengths{};
    for (SQLUSMALLINT i = 0; i < 5; ++i) {
      SQLBindCol(stmt, i + 1, SQL_C_CHAR, buffers[i].data(), 64, &lengths[i]);
    }
    long long bytes = 0;
    while (SQLFetch(stmt) != SQL_NO_DATA) {
      for (SQLLEN length : lengths) bytes += length;
    }
    benchmark::DoNotOptimize(bytes);
    SQLFreeHandle(SQL_HANDLE_STMT, stmt);
  }
}

// Our reader over every row, reading every value, no table.
void ReaderLoop(benchmark::State& state) {
  OdbcHandles& h = Connection();
  for (auto _ : state) {
    OdbcExecute(h, kAllRows);
    std::vector<OdbcColumn> columns;
    OdbcDescribeResult(h, &columns);
    OdbcRowReader reader;
    reader.Bind(h, columns, OdbcSupportsExtendedFetch(h.hDbc));
    long long bytes = 0;
    while (reader.Next() == 1) {
      for (std::size_t i = 0; i < reader.Columns(); ++i) {
        const auto value = reader.Value(i);
        if (value) bytes += static_cast<long long>(value->size());
      }
    }
    benchmark::DoNotOptimize(bytes);
    OdbcFreeStatement(h);
  }
}

// 16,383 rows into a new table, which grows from 2,001 rows to hold them.
// Every pass takes a new record, as a new result window does (a record is
// initialised once, from zeros); making and freeing it is not timed.
void IntoTable(benchmark::State& state) {
  OdbcHandles& h = Connection();
  NoticeScope notices(NOTICES_TO_STANDARD_ERROR);
  int loaded = 0;
  for (auto _ : state) {
    state.PauseTiming();
    TableRecord* t = TableAllocRecord();
    TableInitRecord(*t, OPEN_DATABASE, "", "");
    state.ResumeTiming();
    OdbcFetchIntoTable(*t, h, kTableRows);
    state.PauseTiming();
    loaded = t->iLoadedRows;
    TableFreeRecord(t);
    state.ResumeTiming();
  }
  benchmark::DoNotOptimize(loaded);
}

}  // namespace

void RegisterOdbcBenchmarks() {
  benchmark::RegisterBenchmark("baseline/odbc_sqlfetch_16383x5", [](benchmark::State& s) { BareFetch(s, kTableRows); })
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("odbc/fetch_into_table_16383x5", IntoTable)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("baseline/odbc_sqlfetch_100000x5", [](benchmark::State& s) { BareFetch(s, kAllRows); })
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("odbc/row_reader_100000x5", ReaderLoop)->Unit(benchmark::kMillisecond);
  AddRatio("odbc/fetch_into_table_16383x5", "baseline/odbc_sqlfetch_16383x5");
  AddRatio("odbc/row_reader_100000x5", "baseline/odbc_sqlfetch_100000x5");
}
