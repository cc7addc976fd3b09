// Data sources made for database files and the builder's steps on real
// drivers: the names chosen, what is written and removed, and statements
// built step by step and run.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "platform/notices.h"
#include "resources/string_table.h"
#include "sources/odbc_builder.h"
#include "sources/odbc_data_source.h"
#include "sources/odbc_drivers.h"
#include "sources/odbc_login.h"
#include "sources/odbc_result.h"
#include "sources/odbc_sandbox.h"
#include "support/fresh_table.h"

namespace {

using odbc_test::TheSandbox;

std::vector<std::string> SourceNames() {
  std::vector<std::string> names;
  for (const OdbcDataSource& s : OdbcListDataSources()) names.push_back(s.szName);
  return names;
}

bool HasSource(const std::string& name) {
  const std::vector<std::string> names = SourceNames();
  return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(OdbcDrivers, KindsMatchTheInstalledDrivers) {
  TheSandbox();
  const std::vector<std::string> drivers = OdbcListDrivers();
  EXPECT_EQ(OdbcDriverForKind(drivers, ODBC_ACCESS), "MDBTools");
  EXPECT_EQ(OdbcDriverForKind(drivers, ODBC_SQLITE), "SQLite3");
  // No dBase, FoxPro or Paradox driver exists for Linux: their items gray.
  EXPECT_EQ(OdbcDriverForKind(drivers, ODBC_DBASE), "");
  EXPECT_EQ(OdbcDriverForKind(drivers, ODBC_FOXPRO), "");
  EXPECT_EQ(OdbcDriverForKind(drivers, ODBC_PARADOX), "");
  // The Access item takes a driver named the Windows way too.
  EXPECT_EQ(OdbcDriverForKind({"Microsoft Access Driver (*.mdb, *.accdb)"}, ODBC_ACCESS),
            "Microsoft Access Driver (*.mdb, *.accdb)");
  EXPECT_EQ(OdbcDriverForKind({"Microsoft FoxPro VFP Driver (*.dbf)"}, ODBC_FOXPRO),
            "Microsoft FoxPro VFP Driver (*.dbf)");
  EXPECT_EQ(OdbcFindDriverIn(drivers, "PostgreSQL"), "PostgreSQL ANSI");
}

TEST(OdbcDataSources, FreeNamesNeverTakeTheUsers) {
  EXPECT_EQ(OdbcFreeSourceName("Access", 1, {}), "Access1");
  EXPECT_EQ(OdbcFreeSourceName("Access", 2, {"Access1"}), "Access2");
  EXPECT_EQ(OdbcFreeSourceName("Access", 1, {"access1", "ACCESS2"}), "Access3");
  EXPECT_EQ(OdbcFreeSourceName("SQLite", 0, {}), "SQLite1");
}

// Two files opened in one run get Access1 and Access2 (the user's own
// Access1 is skipped and left alone); removing one removes only it.
TEST(OdbcDataSources, CreatedAsUserSourcesAndRemovedOneByOne) {
  TheSandbox();
  const std::string nwind = TheSandbox().CopyData("access/nwind.mdb");
  if (nwind.empty()) GTEST_SKIP() << "shared test data missing";
  {
    std::ofstream ini(TheSandbox().Dir() / "odbc.ini", std::ios::app);
    ini << "[Access1]\nDriver=MDBTools\nDescription=the user's own\nDatabase=/nowhere.mdb\n";
  }
  NoticeScope scope(NOTICES_TO_STANDARD_ERROR);
  std::string driver;
  const std::string first = OdbcCreateDataSource(ODBC_ACCESS, 1, nwind, &driver);
  const std::string second = OdbcCreateDataSource(ODBC_ACCESS, 2, nwind, &driver);
  EXPECT_EQ(first, "Access2");
  EXPECT_EQ(second, "Access3");
  EXPECT_EQ(driver, "MDBTools");
  const std::string ini = TheSandbox().SourcesFile();
  EXPECT_NE(ini.find("DBQ=" + nwind), std::string::npos) << ini;
  EXPECT_NE(ini.find("Database=" + nwind), std::string::npos) << ini;
  // Each connects and reads.
  for (const std::string& name : {first, second}) {
    OdbcQuery().szSource = name;
    OdbcHandles h;
    ASSERT_EQ(OdbcAllocate(h), 0);
    ASSERT_EQ(OdbcConnect(h, name, "", ""), 0) << name;
    FreshTable t(OPEN_DATABASE);
    EXPECT_EQ(OdbcFetchIntoTable(*t, h, "SELECT COUNT(*) FROM Orders"), 0);
    EXPECT_EQ(t.Shown(2, 1), "830");
    OdbcCloseHandles(h);
  }
  OdbcRemoveDataSource(first);
  EXPECT_FALSE(HasSource(first));
  EXPECT_TRUE(HasSource(second));
  EXPECT_TRUE(HasSource("Access1"));
  OdbcRemoveDataSource(second);
  EXPECT_TRUE(HasSource("Access1"));
  EXPECT_NE(TheSandbox().SourcesFile().find("the user's own"), std::string::npos);
  for (const Notice& n : scope.Take()) ADD_FAILURE() << n.szCaption << ": " << n.szText;
}

TEST(OdbcDataSources, MissingDriverAndLibraryGroup) {
  TheSandbox();
  NoticeScope scope(NOTICES_TO_STANDARD_ERROR);
  std::string driver;
  EXPECT_EQ(OdbcCreateDataSource(ODBC_PARADOX, 1, "/tmp/x.db", &driver), "");
  std::vector<Notice> notices = scope.Take();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].szText, Text(TXT_ODBC_NO_DRIVER));

  // The program's own group is empty; a group given registers and goes.
  bool failed = true;
  EXPECT_TRUE(OdbcRegisterLibrarySources(OdbcLibrarySourceGroup(), "CV", "/tmp", &failed).empty());
  EXPECT_FALSE(failed);
  const std::vector<OdbcLibrarySource> group = {{"Symbol", "symbol.mdb", "Symbol library"},
                                                {"Map", "map.mdb", "Map library"}};
  const std::vector<std::string> names = OdbcRegisterLibrarySources(group, "CV", "/tmp/libs", &failed);
  EXPECT_FALSE(failed);
  EXPECT_EQ(names, (std::vector<std::string>{"CVSymbol", "CVMap"}));
  EXPECT_TRUE(HasSource("CVMap"));
  EXPECT_NE(TheSandbox().SourcesFile().find("DBQ=/tmp/libs/map.mdb"), std::string::npos);
  OdbcRemoveLibrarySources(names);
  EXPECT_FALSE(HasSource("CVSymbol"));
  EXPECT_FALSE(HasSource("CVMap"));
}

// The builder's steps on Chinook through an SQLite data source.
class OdbcBuilderSteps : public ::testing::Test {
 protected:
  void SetUp() override {
    TheSandbox();
    const std::string chinook = TheSandbox().CopyData("sqlite/Chinook_Sqlite.sqlite");
    if (chinook.empty()) GTEST_SKIP() << "shared test data missing";
    std::string driver;
    source_ = OdbcCreateDataSource(ODBC_SQLITE, 1, chinook, &driver);
    ASSERT_FALSE(source_.empty());
    OdbcQueryState& query = OdbcQuery();
    query.szSource = source_;
    query.szDriver = driver;
    query.iOrigin = ODBC_ORIGIN_CREATED;
    ASSERT_EQ(OdbcBuilderStart(model_), 0);
  }
  void TearDown() override { OdbcRemoveDataSource(source_); }

  int TableIndex(const std::string& name) const {
    for (std::size_t i = 0; i < model_.tables.size(); ++i) {
      if (model_.tables[i] == name) return static_cast<int>(i);
    }
    return -1;
  }
  int ColumnIndex(const std::string& name) const {
    for (std::size_t i = 0; i < model_.tableColumns.size(); ++i) {
      if (model_.tableColumns[i].szName == name) return static_cast<int>(i);
    }
    return -1;
  }

  std::string source_;
  OdbcBuilderModel model_;
};

TEST_F(OdbcBuilderSteps, ConditionAndOrderBuildARunnableStatement) {
  EXPECT_EQ(model_.tables.size(), 11u);
  EXPECT_EQ(model_.dialect.szQuote, "\"");
  ASSERT_EQ(OdbcBuilderChooseTable(model_, TableIndex("Track")), 0);
  ASSERT_EQ(OdbcBuilderSelect(model_, {ColumnIndex("Name"), ColumnIndex("Composer"), ColumnIndex("Milliseconds"),
                                       ColumnIndex("AlbumId")}),
            0);
  ASSERT_EQ(OdbcBuilderChooseTable(model_, TableIndex("Album")), 0);
  ASSERT_EQ(OdbcBuilderSelect(model_, {ColumnIndex("Title"), ColumnIndex("AlbumId")}), 0);
  EXPECT_EQ(model_.selected.size(), 6u);
  EXPECT_EQ(OdbcBuilderKeywords(model_).front(), "WHERE");
  // A join by naming a column, a text condition and a text with a quote.
  ASSERT_EQ(OdbcBuilderAddCondition(model_, "WHERE", 3, "=", "Album.AlbumId"), 0);
  EXPECT_EQ(OdbcBuilderKeywords(model_).front(), "OR");
  ASSERT_EQ(OdbcBuilderAddCondition(model_, "AND", 4, "LIKE", "Let There%"), 0);
  ASSERT_EQ(OdbcBuilderAddCondition(model_, "AND NOT", 0, "=", "Hell Ain't A Bad Place To Be"), 0);
  OdbcBuilderOrder(model_, 2, true);
  EXPECT_NE(model_.szStatement.find("WHERE \"Track\".\"AlbumId\" = \"Album\".\"AlbumId\""), std::string::npos)
      << model_.szStatement;
  EXPECT_NE(model_.szStatement.find("AND NOT \"Track\".\"Name\" = 'Hell Ain''t A Bad Place To Be'"),
            std::string::npos);
  EXPECT_NE(model_.szStatement.find("ORDER BY \"Track\".\"Milliseconds\" DESC"), std::string::npos);

  FreshTable t(OPEN_DATABASE);
  OdbcHandles h;
  ASSERT_EQ(OdbcAllocate(h), 0);
  ASSERT_EQ(OdbcConnect(h, source_, "", ""), 0);
  NoticeScope scope(NOTICES_TO_STANDARD_ERROR);
  ASSERT_EQ(OdbcFetchIntoTable(*t, h, model_.szStatement), 0) << model_.szStatement;
  EXPECT_EQ(t->iLoadedRows, 9);  // the album's 8 tracks but one
  EXPECT_EQ(t.Shown(1, 1), "Name");
  for (int r = 2; r <= 8; ++r) EXPECT_NE(t.Shown(r, 1), "Hell Ain't A Bad Place To Be");
  for (int r = 2; r < 8; ++r) EXPECT_GE(std::stol(t.Shown(r, 3)), std::stol(t.Shown(r + 1, 3)));
  OdbcCloseHandles(h);
}

TEST_F(OdbcBuilderSteps, ChecksAndLimits) {
  NoticeScope scope(NOTICES_TO_STANDARD_ERROR);
  EXPECT_EQ(OdbcBuilderCheckSelected(model_), -1);
  ASSERT_EQ(OdbcBuilderChooseTable(model_, TableIndex("Invoice")), 0);
  ASSERT_EQ(OdbcBuilderSelectAll(model_), 0);
  ASSERT_EQ(OdbcBuilderSelectAll(model_), 0);  // nothing twice
  EXPECT_EQ(model_.selected.size(), 9u);
  EXPECT_EQ(OdbcBuilderCheckSelected(model_), 0);
  for (int i = 0; i < ODBC_CONDITIONS; ++i) EXPECT_EQ(OdbcBuilderAddCondition(model_, "OR", 0, ">", "1"), 0);
  EXPECT_EQ(OdbcBuilderAddCondition(model_, "OR", 0, ">", "1"), -1);
  OdbcBuilderRemove(model_, {0, 1});
  EXPECT_EQ(model_.selected.size(), 7u);
  EXPECT_EQ(model_.selected[0].szColumn, "InvoiceDate");
  // A date condition: the dialog by type, other types refused by name.
  const int date = 0;
  EXPECT_EQ(OdbcBuilderDateDialog(model_, date), Text(TXT_ODBC_DATETIME_TITLE));
  EXPECT_EQ(OdbcBuilderDateDialog(model_, 1), "");
  const std::vector<Notice> notices = scope.Take();
  ASSERT_FALSE(notices.empty());
  EXPECT_EQ(notices.front().szText, Text(TXT_ODBC_NO_FIELDS));
  EXPECT_EQ(notices.back().szCaption, "BillingAddress");
  EXPECT_EQ(notices.back().szText, Text(TXT_ODBC_NOT_DATE));
  OdbcDateTimeModel value;
  value.bTime = true;
  value.iYear = 2009;
  value.iMonth = 1;
  value.iDay = 2;
  value.iHour = 7;
  EXPECT_EQ(OdbcDateTimeText(value), "2009-01-02 07:00:00");
}

}  // namespace

namespace {

// On an Access file: the catalogue lists only user tables (MDB Tools
// returns its system tables and queries too), and a condition on a
// currency or date column, which the driver would ignore, is warned of.
TEST(OdbcBuilderAccess, TablesAndIgnoredConditions) {
  const std::string nwind = TheSandbox().CopyData("access/nwind.mdb");
  if (nwind.empty()) GTEST_SKIP() << "shared test data missing";
  std::string driver;
  const std::string source = OdbcCreateDataSource(ODBC_ACCESS, 5, nwind, &driver);
  ASSERT_FALSE(source.empty());
  OdbcQueryState& query = OdbcQuery();
  query.szSource = source;
  query.szDriver = driver;
  OdbcBuilderModel model;
  ASSERT_EQ(OdbcBuilderStart(model), 0);
  EXPECT_NE(std::find(model.tables.begin(), model.tables.end(), "Order Details"), model.tables.end());
  EXPECT_NE(std::find(model.tables.begin(), model.tables.end(), "Umsätze"), model.tables.end());
  EXPECT_EQ(std::find(model.tables.begin(), model.tables.end(), "MSysObjects"), model.tables.end());
  EXPECT_EQ(std::find(model.tables.begin(), model.tables.end(), "Invoices"), model.tables.end());  // a query
  const int orders = static_cast<int>(std::find(model.tables.begin(), model.tables.end(), "Orders") - model.tables.begin());
  ASSERT_EQ(OdbcBuilderChooseTable(model, orders), 0);
  ASSERT_EQ(OdbcBuilderSelectAll(model), 0);
  NoticeScope scope(NOTICES_TO_STANDARD_ERROR);
  ASSERT_EQ(OdbcBuilderAddCondition(model, "WHERE", 7, ">", "100"), 0);  // Freight: currency
  ASSERT_EQ(OdbcBuilderAddCondition(model, "AND", 0, ">", "11000"), 0);  // OrderID: filtered
  ASSERT_EQ(OdbcBuilderAddCondition(model, "AND", 3, ">", "1995-01-01"), 0);  // OrderDate
  const std::vector<Notice> notices = scope.Take();
  ASSERT_EQ(notices.size(), 2u);
  EXPECT_NE(notices[0].szText.find("Freight"), std::string::npos);
  EXPECT_NE(notices[1].szText.find("OrderDate"), std::string::npos);
  // Over one table the statement names its columns alone, which MDB Tools
  // runs.
  EXPECT_NE(model.szStatement.find("WHERE \"Freight\" > 100"), std::string::npos) << model.szStatement;
  OdbcRemoveDataSource(source);
}

}  // namespace
