// What a table prints: the fields of a database result and of any other
// table, their print widths, the rows per page and page counts (every row
// printed), and the texts of wide fields.
#include <gtest/gtest.h>

#include <string>

#include "output/table_print.h"
#include "support/fresh_table.h"
#include "table/table_extension.h"

namespace {

// Mark a table as a database result of `loadedRows` rows (the state
// itself belongs to the database area; any state marks the slot).
void MarkDatabase(TableRecord& t, int loadedRows) {
  TableExtensionSet(t, TableExtensionId::Database, new int(1), [](void* p) { delete static_cast<int*>(p); });
  t.iLoadedRows = loadedRows;
}

TEST(TablePrint, FieldWidths) {
  const std::pair<int, int> cases[] = {{80, 249}, {31, 249}, {30, 249}, {10, 89}, {0, 9}};
  for (const auto& [pixels, units] : cases) EXPECT_EQ(PrintFieldWidth(pixels), units) << pixels;
}

TEST(TablePrint, DatabaseResultPrintsItsFieldsOverItsLoadedRows) {
  FreshTable t;
  t.Store(1, 1, "ArtistId");
  t.Store(1, 2, "Name");
  t.Store(2, 1, "1");
  t.Store(2, 2, "AC/DC");
  t.Store(1, 7, "Extra");
  t->colWidth[1] = 20;
  MarkDatabase(*t, 3);
  const TablePrintLayout layout = TablePrintLayoutOf(*t);
  ASSERT_EQ(layout.fields.size(), 7u);  // the last named column ends the list
  t.Store(1, 7, "");
  const TablePrintLayout named = TablePrintLayoutOf(*t);
  ASSERT_EQ(named.fields.size(), 2u);
  EXPECT_EQ(named.fields[0].szName, "ArtistId");
  EXPECT_EQ(named.fields[0].iColumn, 1);
  EXPECT_FALSE(named.fields[0].bWide);
  EXPECT_EQ(named.fields[0].iWidth, 169);
  EXPECT_EQ(named.fields[1].szName, "Name");
  EXPECT_EQ(named.fields[1].iLeft, 169);
  EXPECT_TRUE(named.fields[1].bWide);
  EXPECT_EQ(named.iTotalWidth, 169 + 249);
  EXPECT_EQ(named.iFirstRow, 0);
  EXPECT_EQ(named.iEndRow, 3);
}

// A table that did not come from a database prints its used area: its row
// labels as the first field, its column labels as the field names.
TEST(TablePrint, PlainTablePrintsItsUsedArea) {
  FreshTable t;
  EXPECT_TRUE(TablePrintLayoutOf(*t).fields.empty());
  t.Store(3, 2, "7");
  const TablePrintLayout layout = TablePrintLayoutOf(*t);
  ASSERT_EQ(layout.fields.size(), 3u);
  EXPECT_EQ(layout.fields[0].iColumn, 0);
  EXPECT_EQ(layout.fields[1].szName, "C1");
  EXPECT_EQ(layout.fields[2].szName, "C2");
  EXPECT_EQ(layout.iFirstRow, 1);
  EXPECT_EQ(layout.iEndRow, 4);
  EXPECT_EQ(layout.fields[0].iWidth, 249);  // the label column is 40 pixels
}

TEST(TablePrint, PageGeometryPrintsEveryRow) {
  TablePrintLayout layout;
  layout.iTotalWidth = 500;
  EXPECT_EQ(PrintPageWidth(layout, 1024), 1024);
  layout.iTotalWidth = 2490;
  EXPECT_EQ(PrintPageWidth(layout, 1024), 2490);
  // A4 portrait at 1200 dpi: 9917 x 14033 printable pixels.
  EXPECT_EQ(PrintPageHeight(1024, 9917, 14033), 1449);
  EXPECT_EQ(PrintRowsPerPage(1449), 69);
  EXPECT_EQ(PrintRowsPerPage(5), 1);
  struct Case {
    int rows, perPage, pages;
  };
  // 91 rows at 45 a page: the third page holds the last row alone.
  const Case cases[] = {{100, 45, 3}, {91, 45, 3}, {90, 45, 2}, {46, 45, 2}, {1, 45, 1}, {0, 45, 0}};
  for (const Case& c : cases) EXPECT_EQ(PrintPageCount(c.rows, c.perPage), c.pages) << c.rows;
}

TEST(TablePrint, WideFieldsCutLongTextsOnly) {
  const std::string longText = "abcdefghijklmnopqrstuvwxyz0123";
  EXPECT_EQ(PrintFieldText(longText, true), "abcdefghijklmnopqrstuvwxy...");
  EXPECT_EQ(PrintFieldText(longText, false), longText);
  EXPECT_EQ(PrintFieldText("AC/DC", true), "AC/DC");
  EXPECT_EQ(PrintFieldText(std::string(25, 'x'), true), std::string(25, 'x'));
  // Characters, not bytes: 26 Chinese characters keep 25 whole ones.
  std::string chinese;
  for (int i = 0; i < 26; ++i) chinese += "数";
  EXPECT_EQ(PrintFieldText(chinese, true), chinese.substr(0, 75) + "...");
}

}  // namespace
