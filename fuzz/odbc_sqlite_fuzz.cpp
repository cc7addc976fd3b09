// libFuzzer target: random bytes as an SQLite database file, read through
// the SQLite ODBC driver by our catalogue and fetch code: the tables are
// listed and each one is read whole into a table, as "Open SQLite
// database ..." and --convert --sql would.
//
// Besides the sanitizers, it stops (trap) when a result writes past the
// table or claims more loaded rows than the table has.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/notices.h"
#include "sources/odbc_catalog.h"
#include "sources/odbc_handles.h"
#include "sources/odbc_result.h"
#include "table/long_text.h"
#include "table/table_access.h"
#include "table/table_init.h"

namespace {

constexpr const char* kDriver = "/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so";

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// One record for the whole run, given back the zeros of a new window's
// record before each use (initialisation expects them): the cells any
// earlier size reached and the text pool are emptied.
TableRecord& Table() {
  static TableRecord* record = TableAllocRecord();
  TableRecord& t = *record;
  const int reached = std::clamp(t.iCellsReached, 0, TABLE_CELL_CAPACITY);
  std::memset(static_cast<void*>(t.cells.data()), 0, static_cast<std::size_t>(reached) * sizeof(TableCell));
  LongTextClearAll(t);
  TableInitRecord(t, OPEN_DATABASE, "", "");
  return t;
}

const std::string& FilePath() {
  static const std::string path = "/tmp/cartovel_odbc_fuzz_" + std::to_string(getpid()) + ".sqlite";
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(FilePath().c_str(), "wb");
  if (!file) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);
  NoticeScope notices(NOTICES_TO_STANDARD_ERROR);
  OdbcHandles h;
  if (OdbcAllocate(h) != 0 ||
      OdbcDriverConnect(h, std::string("DRIVER=") + kDriver + ";Database=" + FilePath() + ";NoCreat=1;") != 0) {
    notices.Take();
    return 0;
  }
  OdbcDialect dialect;
  std::vector<std::string> tables;
  if (OdbcReadDialect(h, &dialect) == 0 && OdbcListTables(h, &tables) == 0) {
    for (const std::string& table : tables) {
      if (!h.bConnected) break;
      TableRecord& t = Table();
      OdbcFetchIntoTable(t, h, "SELECT * FROM " + OdbcQuoteName(table, dialect));
      Check(t.iLoadedRows <= t.iRows);
      Check(t.iUsedRows <= t.iRows && t.iUsedCols <= t.iCols);
    }
  }
  OdbcCloseHandles(h);
  notices.Take();
  return 0;
}
