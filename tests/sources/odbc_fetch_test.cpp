// Query results read through the real drivers into a table: Access files
// through MDB Tools compared with the exports of the same files, the
// Chinook SQLite database, and the error paths.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/notices.h"
#include "resources/string_table.h"
#include "sources/odbc_fetch.h"
#include "sources/odbc_file_query.h"
#include "sources/odbc_result.h"
#include "sources/odbc_sandbox.h"
#include "support/fresh_table.h"

namespace {

using odbc_test::TheSandbox;

// A CSV of the reference exports: quoted fields may hold commas, doubled
// quotes and line breaks.
std::vector<std::vector<std::string>> ReadCsv(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), {});
  std::vector<std::vector<std::string>> rows(1);
  std::string field;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field.push_back('"');
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        field.push_back(c);
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      rows.back().push_back(field);
      field.clear();
    } else if (c == '\n') {
      rows.back().push_back(field);
      field.clear();
      rows.emplace_back();
    } else if (c != '\r') {
      field.push_back(c);
    }
  }
  if (rows.back().empty()) rows.pop_back();
  return rows;
}

// What a value becomes in a cell (the table's own normalisation).
std::string AsCell(std::string value) {
  static FreshTable t;
  t.Store(1, 1, value);
  return t.Shown(1, 1);
}

// Run a statement on a copied data file; the notices reported.
struct Query {
  int status = -1;
  std::vector<Notice> notices;
};
Query RunQuery(FreshTable& t, const std::string& path, const std::string& sql) {
  NoticeScope scope(NOTICES_TO_STANDARD_ERROR);
  Query q;
  q.status = OdbcQueryFileIntoTable(*t, path, sql);
  q.notices = scope.Take();
  return q;
}

// Compare a result table with a reference export, cell by cell.
void ExpectMatchesExport(const FreshTable& t, const std::string& csv, int skipColumn = -1) {
  const auto rows = ReadCsv(std::string(CARTOVEL_SHARED_DATA_DIR) + "/access/reference-mdb-export/" + csv);
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(t->iLoadedRows, static_cast<int>(rows.size()) + 1) << csv;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      if (static_cast<int>(c) == skipColumn) continue;
      ASSERT_EQ(t.Shown(static_cast<int>(r) + 1, static_cast<int>(c) + 1), AsCell(rows[r][c]))
          << csv << " row " << r << " column " << rows[0][c];
    }
  }
}

class OdbcFetch : public ::testing::Test {
 protected:
  void SetUp() override {
    nwind_ = TheSandbox().CopyData("access/nwind.mdb");
    chinook_ = TheSandbox().CopyData("sqlite/Chinook_Sqlite.sqlite");
    if (nwind_.empty() || chinook_.empty()) GTEST_SKIP() << "shared test data missing";
  }
  std::string nwind_;
  std::string chinook_;
};

TEST_F(OdbcFetch, AccessTablesMatchTheirExports) {
  struct Case {
    const char* file;
    const char* sql;
    const char* csv;
  };
  const Case cases[] = {
      {"access/nwind.mdb", "SELECT * FROM \"Order Details\"", "nwind__Order_Details.csv"},
      {"access/nwind.mdb", "SELECT * FROM Orders", "nwind__Orders.csv"},
      {"access/nwind.mdb", "SELECT * FROM \"Umsätze\"", "nwind__Umsätze.csv"},
      {"access/nwind.mdb", "SELECT * FROM Customers", "nwind__Customers.csv"},
      {"access/DateTestDatabase.mdb", "SELECT * FROM DateTest", "DateTestDatabase__DateTest.csv"},
      {"access/ASampleDatabase.accdb", "SELECT * FROM \"Asset Items\"", "ASampleDatabase__Asset_Items.csv"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sql);
    const std::string path = TheSandbox().CopyData(c.file);
    FreshTable t(OPEN_DATABASE);
    const Query q = RunQuery(t, path, c.sql);
    ASSERT_EQ(q.status, 0) << (q.notices.empty() ? "" : q.notices[0].szCaption + ": " + q.notices[0].szText);
    ExpectMatchesExport(t, c.csv);
  }
}

// Without indicators a NULL would show the value of the row before.
TEST_F(OdbcFetch, NullsAreEmptyCellsNotTheRowBefore) {
  FreshTable t(OPEN_DATABASE);
  ASSERT_EQ(RunQuery(t, nwind_, "SELECT OrderID, ShipRegion FROM Orders").status, 0);
  EXPECT_EQ(t->iLoadedRows, 832);  // 830 orders after the names row
  EXPECT_EQ(t.Shown(1, 1), "OrderID");
  EXPECT_EQ(t.Shown(2, 2), "Lara");
  EXPECT_EQ(t.Shown(3, 2), "");  // 10331 has no region
  int empty = 0;
  for (int r = 2; r < 832; ++r) empty += t.Shown(r, 2).empty();
  EXPECT_GT(empty, 400);

  FreshTable s(OPEN_DATABASE);
  ASSERT_EQ(RunQuery(s, chinook_, "SELECT TrackId, Composer FROM Track WHERE TrackId IN (1, 63, 64) ORDER BY TrackId")
                .status,
            0);
  EXPECT_EQ(s.Shown(2, 2), "Angus Young, Malcolm Young, Brian Johnson");
  EXPECT_EQ(s.Shown(3, 1), "63");
  EXPECT_EQ(s.Shown(3, 2), "");  // NULL composer
}

TEST_F(OdbcFetch, SqliteJoinsAndOrders) {
  FreshTable t(OPEN_DATABASE);
  const Query q = RunQuery(t, chinook_,
                           "SELECT Artist.Name, Album.Title FROM Album JOIN Artist ON Album.ArtistId = "
                           "Artist.ArtistId WHERE Artist.Name = 'AC/DC' ORDER BY Album.Title DESC");
  ASSERT_EQ(q.status, 0);
  EXPECT_EQ(t->iLoadedRows, 4);
  EXPECT_EQ(t.Shown(1, 1), "Name");
  EXPECT_EQ(t.Shown(2, 2), "Let There Be Rock");
  EXPECT_EQ(t.Shown(3, 2), "For Those About To Rock We Salute You");
  EXPECT_TRUE(q.notices.empty());
}

// 3,503 tracks do not fit the 2,001 rows of a new table: the table grows
// to hold them all, nothing is cut.
TEST_F(OdbcFetch, LongResultResizesTheTable) {
  FreshTable t(OPEN_DATABASE);
  ASSERT_EQ(t->iRows, 2001);
  const Query q = RunQuery(t, chinook_, "SELECT * FROM Track ORDER BY TrackId");
  ASSERT_EQ(q.status, 0);
  EXPECT_TRUE(q.notices.empty());
  EXPECT_GE(t->iRows, 3505);
  EXPECT_EQ(t->iLoadedRows, 3505);
  EXPECT_EQ(t.Shown(2, 1), "1");
  EXPECT_EQ(t.Shown(3504, 1), "3503");
  EXPECT_EQ(t.Shown(3504, 2), "Koyaanisqatsi");
  EXPECT_EQ(t.Shown(0, 1), "C1");
  EXPECT_EQ(t.Shown(3504, 0), "R3504");
  // Every row keeps its own values through staging and storing, and a
  // NULL is an empty cell, not a neighbour's value.
  // Column 6 is Composer; 977 of the tracks have none.
  int nulls = 0;
  for (int row = 2; row < 3505; ++row) {
    ASSERT_EQ(t.Shown(row, 0), "R" + std::to_string(row));  // labelled as each row is stored
    ASSERT_EQ(t.Shown(row, 1), std::to_string(row - 1)) << "row " << row;
    if (t.Shown(row, 6).empty()) ++nulls;
  }
  EXPECT_EQ(nulls, 977);
}

// More rows than any table holds: the rows that fit stay and the overflow
// is reported once.
TEST_F(OdbcFetch, RowsBeyondEveryTableAreReported) {
  FreshTable t(OPEN_DATABASE);
  const Query q = RunQuery(t, chinook_,
                           "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
                           "SELECT i FROM n");
  ASSERT_EQ(q.status, 0);
  EXPECT_EQ(t->iRows, 16385);
  EXPECT_EQ(t->iLoadedRows, 16385);
  EXPECT_EQ(t.Shown(16384, 1), "16383");
  ASSERT_EQ(q.notices.size(), 1u);
  EXPECT_EQ(q.notices[0].szText, Text(TXT_ODBC_MEMORY_OVERFLOW));
}

// A value longer than a cell keeps is cut and counted, never dropped
// silently; one shorter arrives whole although its column is narrow.
TEST_F(OdbcFetch, LongValuesAreCountedWhenCut) {
  FreshTable t(OPEN_DATABASE);
  const Query q = RunQuery(t, chinook_,
                           "SELECT substr(printf('%.600c', 'x'), 1, 519) AS a, printf('%.600c', 'y') AS b, "
                           "1.0 / 3 AS c");
  ASSERT_EQ(q.status, 0);
  EXPECT_EQ(t.Shown(2, 1), std::string(519, 'x'));
  EXPECT_EQ(t.Shown(2, 2).substr(0, 10), std::string(10, 'y'));
  EXPECT_EQ(t.Shown(2, 3).substr(0, 8), "0.333333");
  ASSERT_EQ(q.notices.size(), 1u);
  EXPECT_EQ(q.notices[0].szText, std::string(Text(TXT_ODBC_VALUES_CUT)) + "1");
}

TEST_F(OdbcFetch, ErrorsAreReportedWithTheirState) {
  struct Case {
    std::string path;
    std::string sql;
    std::string caption;  // expected caption (a SQLSTATE for driver errors)
  };
  const std::string text = (TheSandbox().Dir() / "plain.txt").string();
  std::ofstream(text) << "not a database\n";
  const Case cases[] = {
      {chinook_, "SELECT * FROM NoSuchTable", "HY000"},
      {chinook_, "SELEKT 1", "HY000"},
      {nwind_, "SELECT * FROM NoSuchTable", ""},
      {(TheSandbox().Dir() / "missing.mdb").string(), "SELECT 1", ""},
      {text, "SELECT 1", Text(TXT_CAPTION_ERROR)},
      {chinook_, "SELECT '" + std::string(5000, 'a') + "'", Text(TXT_CAPTION_ERROR)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path + ": " + c.sql.substr(0, 40));
    FreshTable t(OPEN_DATABASE);
    const Query q = RunQuery(t, c.path, c.sql);
    EXPECT_EQ(q.status, -1);
    ASSERT_FALSE(q.notices.empty());
    if (!c.caption.empty()) {
      EXPECT_EQ(q.notices[0].szCaption, c.caption);
    }
    EXPECT_EQ(t->iLoadedRows, 0);
  }
}

TEST(OdbcDisplaySize, FollowsTypeAndName) {
  struct Case {
    int type;
    std::uint64_t precision;
    int name;
    int size;
  };
  const Case cases[] = {
      {SQL_CHAR, 30, 4, 30},     {SQL_VARCHAR, 3, 8, 8},   {SQL_NUMERIC, 0, 5, 20},  {SQL_BIGINT, 0, 25, 25},
      {SQL_INTEGER, 0, 9, 10},   {SQL_INTEGER, 0, 12, 12}, {SQL_DATE, 0, 3, 10},     {SQL_SMALLINT, 0, 4, 5},
      {SQL_SMALLINT, 0, 6, 6},   {SQL_DOUBLE, 0, 2, 15},   {SQL_REAL, 0, 7, 7},      {SQL_TIME, 0, 2, 8},
      {SQL_TIMESTAMP, 0, 2, 23}, {SQL_TYPE_TIMESTAMP, 0, 30, 30}, {SQL_LONGVARBINARY, 0, 6, 6},
  };
  for (const Case& c : cases) EXPECT_EQ(OdbcDisplaySize(c.type, c.precision, c.name), c.size) << c.type;
  OdbcColumn narrow;
  narrow.iDisplaySize = 5;
  EXPECT_GE(OdbcBindBytes(narrow), static_cast<std::size_t>(LONG_TEXT_BYTES));
}

// A failed call frees the handles once and clears them, so the close of
// the table afterwards frees nothing twice.
TEST(OdbcHandles, ReportErrorClearsWhatItFrees) {
  TheSandbox();
  OdbcHandles h;
  ASSERT_EQ(OdbcAllocate(h), 0);
  NoticeScope scope(NOTICES_TO_STANDARD_ERROR);
  EXPECT_EQ(OdbcConnect(h, "NoSuchSource", "", ""), -1);
  EXPECT_EQ(h.hEnv, nullptr);
  EXPECT_EQ(h.hDbc, nullptr);
  EXPECT_FALSE(h.bConnected);
  OdbcCloseHandles(h);  // nothing left to free
  const std::vector<Notice> notices = scope.Take();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].szCaption, "IM002");
}

}  // namespace
