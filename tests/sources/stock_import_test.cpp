// The stock history pivot: real stock prices, and small files for the
// difference, the heading line and the limits.
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "files/text_source.h"
#include "resources/string_table.h"
#include "sources/stock_import.h"
#include "sources/stock_options.h"
#include "support/fresh_table.h"
#include "sources/source_import_fixture.h"

namespace {

StockOptions OneField(int name, int date, int data) {
  StockOptions o;
  o.iNameField = name;
  o.iDateField = date;
  o.iDataField = data;
  return o;
}

StockOptions Difference(int name, int date, int first, int second) {
  StockOptions o;
  o.iNameField = name;
  o.iDateField = date;
  o.iMode = STOCK_DIFFERENCE;
  o.iFirstField = first;
  o.iSecondField = second;
  return o;
}

class StockImportTest : public SourceImportTest {
 protected:
  // The row whose column 1 holds `name`, 0 when none does.
  int RowOf(std::string_view name) const {
    for (int row = 2; row < 2000; ++row) {
      if (Cell(row, 1) == name) return row;
      if (Cell(row, 1).empty()) break;
    }
    return 0;
  }
  // The column whose row 1 holds "[date]", 0 when none does.
  int ColumnOf(std::string_view date) const {
    const std::string head = "[" + std::string(date) + "]";
    for (int col = 2; col < 371; ++col) {
      if (Cell(1, col) == head) return col;
      if (Cell(1, col).empty()) break;
    }
    return 0;
  }
};

TEST_F(StockImportTest, EveryPriceOfStocksCsvLandsUnderItsOwnDate) {
  // GOOG starts in 2004, four years after the others: placed by position
  // its prices would stand under the dates of 2000.
  const std::string path = std::string(CARTOVEL_SHARED_DATA_DIR) + "/csv/vega-datasets/stocks.csv";
  std::ifstream in(path);
  if (!in) GTEST_SKIP() << "no " << path;
  std::vector<std::string> entries;
  AnswerWizard(WIZARD_COMMA, false);
  AnswerStock(OneField(1, 2, 3), &entries);
  int status = -1;
  EXPECT_TRUE(OpenPath(OPEN_STOCK, path, &status).empty());
  EXPECT_EQ(status, 0);
  EXPECT_EQ(entries, (std::vector<std::string>{"1) symbol", "2) date", "3) price"}));
  EXPECT_EQ(WindowTitle(table_), "Field(3) from " + path);
  std::string line;
  std::getline(in, line);  // the heading is no record
  EXPECT_EQ(RowOf("symbol"), 0);
  EXPECT_EQ(ColumnOf("date"), 0);
  int records = 0;
  while (std::getline(in, line)) {
    std::stringstream fields(line);
    std::string symbol, date, price;
    std::getline(fields, symbol, ',');
    std::getline(fields, date, ',');
    std::getline(fields, price, ',');
    const int row = RowOf(symbol);
    const int col = ColumnOf(date);
    ASSERT_GT(row, 0) << symbol;
    ASSERT_GT(col, 0) << date;
    EXPECT_EQ(Cell(row, col), price) << symbol << " " << date;
    ++records;
  }
  EXPECT_EQ(records, 560);
  EXPECT_EQ(RowOf("MSFT"), 2);
  EXPECT_EQ(ColumnOf("Jan 1 2000"), 2);
  // GOOG's first price is under August 2004, the 57th month of the file.
  EXPECT_EQ(Cell(RowOf("GOOG"), ColumnOf("Aug 1 2004")), "102.37");
  EXPECT_EQ(ColumnOf("Aug 1 2004"), 2 + 55);
  EXPECT_EQ(Cell(RowOf("GOOG"), ColumnOf("Jan 1 2000")), "");
}

TEST_F(StockImportTest, ThreeStocksOfFiveDatesFillRowsTwoToFour) {
  std::string text;
  for (const char* stock : {"AAA", "BBB", "CCC"}) {
    for (int day = 1; day <= 5; ++day) text += std::string(stock) + "\t2024-01-0" + std::to_string(day) + "\t" + std::to_string(day * 10) + "\r\n";
  }
  AnswerStock(OneField(1, 2, 3));
  Open(OPEN_STOCK, "three.txt", text);
  EXPECT_EQ(Row(1), (std::vector<std::string>{"", "[2024-01-01]", "[2024-01-02]", "[2024-01-03]", "[2024-01-04]",
                                              "[2024-01-05]"}));
  for (int row = 2; row <= 4; ++row) {
    EXPECT_EQ(Row(row), (std::vector<std::string>{std::string(1, static_cast<char>('A' + row - 2)) + std::string(2, static_cast<char>('A' + row - 2)),
                                                  "10", "20", "30", "40", "50"}));
  }
  EXPECT_TRUE(Row(5).empty());
}

TEST_F(StockImportTest, DifferenceOfTwoFieldsOrMissing) {
  const std::string text =
      "name\tdate\topen\tclose\n"
      "AAA\td1\t10\t4\n"
      "AAA\td2\t2.5\t3\n"
      "BBB\td1\tn/a\t4\n"
      "BBB\td2\t12345678901234567890\t1\n"
      "AAA\td3\t7\t7\n";
  AnswerStock(Difference(1, 2, 3, 4));
  Open(OPEN_STOCK, "diff.txt", text);
  EXPECT_EQ(WindowTitle(table_), "Difference=Field(3, 4) from " + Path("diff.txt"));
  EXPECT_EQ(Row(1), (std::vector<std::string>{"", "[d1]", "[d2]", "[d3]"}));
  EXPECT_EQ(Row(2), (std::vector<std::string>{"AAA", "6", "-0.5", "0.0"}));
  EXPECT_EQ(Row(3), (std::vector<std::string>{"BBB", "Missing", "Missing"}));
}

TEST_F(StockImportTest, KnownStocksContinueTheirRowsAndLongFieldsReadAsMissing) {
  const std::string text =
      "AAA\td1\t1\n"
      "BBB\td1\t2\n"
      "AAA\td2\t3\n"
      "BBB\td3\tvery long text of a value\n"
      "a stock name that is much too long\td1\t5\n";
  AnswerStock(OneField(1, 2, 3));
  const std::vector<Notice> notices = Open(OPEN_STOCK, "mixed.txt", text);
  EXPECT_EQ(Row(1), (std::vector<std::string>{"", "[d1]", "[d2]", "[d3]"}));
  EXPECT_EQ(Row(2), (std::vector<std::string>{"AAA", "1", "3"}));
  EXPECT_EQ(Row(3), (std::vector<std::string>{"BBB", "2", "", "Missing"}));
  EXPECT_TRUE(Row(4).empty());
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].szText, std::string("1") + Text(TXT_STOCK_LONG_KEYS));
}

TEST_F(StockImportTest, AFirstLineOfNumbersIsARecord) {
  AnswerStock(OneField(1, 2, 3));
  Open(OPEN_STOCK, "numbers.txt", "AAA\td1\t1\nAAA\td2\t2\n");
  EXPECT_EQ(Row(2), (std::vector<std::string>{"AAA", "1", "2"}));
  AnswerStock(OneField(1, 2, 3));
  Open(OPEN_STOCK, "one.txt", "AAA\td1\tprice");
  EXPECT_EQ(Row(2), (std::vector<std::string>{"AAA", "price"}));
}

// The pivot on a table of its own with `rows` x `cols`.
StockPivot PivotSmall(std::string_view text, int rows, int cols, FreshTable& t) {
  t->iRows = rows;
  t->iCols = cols;
  TextSource source;
  source.UseMemory(text);
  StockPivot pivot;
  StockPivotStart(pivot, *t, TextSyntax{}, OneField(1, 2, 3));
  EXPECT_EQ(StockPivotSource(pivot, source, 0, 17), 0);
  return pivot;
}

TEST(StockPivotLimits, AFullTableCountsEveryRecordLeftOut) {
  std::string text;
  for (int stock = 0; stock < 60; ++stock) {
    for (int day = 0; day < 60; ++day) text += "S" + std::to_string(stock) + "\tD" + std::to_string(day) + "\t1\r\n";
  }
  FreshTable t(OPEN_STOCK, "full.txt");
  const StockPivot pivot = PivotSmall(text, 51, 51, t);
  // Stocks take rows 2 .. 48 (47 stocks), dates columns 2 .. 50 (49 dates).
  EXPECT_EQ(pivot.iLeftOut, 60 * 60 - 47 * 49);
  EXPECT_EQ(t.Shown(48, 1), "S46");
  EXPECT_EQ(t.Shown(1, 50), "[D48]");
  EXPECT_EQ(t.Shown(48, 50), "1");
  EXPECT_EQ(t.Shown(49, 1), "");
}

// Records in any order of stocks and dates land where a plain search for
// the stock's row and the date's column puts them: dates of a stock in the
// usual order, reversed, skipping, repeated; stocks coming back after
// others; an empty date; names too long to keep.
TEST(StockPivotPlacing, EveryRecordUnderItsStockAndDate) {
  struct Record {
    std::string name, date, value;
  };
  std::vector<Record> records;
  for (int stock = 0; stock < 6; ++stock) {
    for (int day = 0; day < 8; ++day) {
      const int d = stock == 2 ? 7 - day : stock == 3 ? (day * 3) % 8 : day;  // forward, reversed, skipping
      records.push_back({"S" + std::to_string(stock), "D" + std::to_string(d), std::to_string(stock * 100 + d)});
    }
  }
  records.push_back({"S1", "D3", "repeated"});          // a later value of a known cell
  records.push_back({"S4", "D9", "new date late"});     // a new date from a known stock
  records.push_back({"S0", "", "no date"});             // an empty date field
  records.push_back({"S5", "D4", "back again"});
  records.push_back({std::string(40, 'L'), "D1", "9"});  // too long: counted, not placed
  records.push_back({"S6", "D8", "1"});
  std::string text;
  for (const Record& r : records) text += r.name + "\t" + r.date + "\t" + r.value + "\r\n";

  // Where a plain search places them: rows and columns in order of first
  // appearance, the last value of a cell kept.
  std::vector<std::string> names, dates;
  std::map<std::pair<int, int>, std::string> expected;
  auto indexOf = [](std::vector<std::string>& list, const std::string& key) {
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (list[i] == key) return static_cast<int>(i);
    }
    list.push_back(key);
    return static_cast<int>(list.size() - 1);
  };
  for (const Record& r : records) {
    if (r.name.size() > STOCK_FIELD_CHARS) continue;
    const int row = 2 + indexOf(names, r.name);
    const int col = 2 + indexOf(dates, r.date);
    expected[{row, col}] = r.value;
  }

  FreshTable t(OPEN_STOCK, "order.txt");
  TextSource source;
  source.UseMemory(text);
  StockPivot pivot;
  StockPivotStart(pivot, *t, TextSyntax{}, OneField(1, 2, 3));
  ASSERT_EQ(StockPivotSource(pivot, source, 0), 0);
  EXPECT_EQ(pivot.iLongKeys, 1);
  EXPECT_EQ(pivot.iLeftOut, 0);
  for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(t.Shown(static_cast<int>(i) + 2, 1), names[i]);
  for (std::size_t i = 0; i < dates.size(); ++i) EXPECT_EQ(t.Shown(1, static_cast<int>(i) + 2), "[" + dates[i] + "]");
  const int lastRow = static_cast<int>(names.size()) + 2;
  const int lastCol = static_cast<int>(dates.size()) + 2;
  for (int row = 2; row <= lastRow; ++row) {
    for (int col = 2; col <= lastCol; ++col) {
      const auto found = expected.find({row, col});
      EXPECT_EQ(t.Shown(row, col), found == expected.end() ? "" : found->second) << row << ", " << col;
    }
  }
}

TEST(StockWizard, FieldEntriesStopAtTheFirstEmptyField) {
  TextSyntax comma;
  comma.cDelimiter = ',';
  EXPECT_EQ(StockFieldEntries("symbol,date,price", comma), (std::vector<std::string>{"1) symbol", "2) date", "3) price"}));
  EXPECT_EQ(StockFieldEntries("a,,c", comma), std::vector<std::string>{"1) a"});
  EXPECT_EQ(StockFieldEntries("a\tb,c", TextSyntax{}), (std::vector<std::string>{"1) a", "2) b,c"}));
}

TEST(StockWizard, OkNamesWhatIsMissingOrChosenTwice) {
  StartHeadlessProgram();
  DialogScriptGuard script;
  struct Case {
    StockOptions options;
    std::string message;
  };
  const std::string name = Text(TXT_STOCK_NAME);
  const std::string date = Text(TXT_STOCK_DATE);
  const std::string field = Text(TXT_STOCK_SELECT);
  const std::string diff = Text(TXT_STOCK_DIFFERENCE);
  const std::string either = Text(TXT_STOCK_OR);
  const Case cases[] = {
      {OneField(0, 2, 3), name},
      {OneField(1, 0, 3), date},
      {OneField(1, 2, 0), field},
      {Difference(1, 2, 3, 0), diff},
      {OneField(2, 2, 3), name + either + date},
      {OneField(1, 2, 1), field + either + name},
      {OneField(1, 2, 2), field + either + date},
      {Difference(1, 2, 3, 2), diff + either + date},
      {Difference(1, 2, 3, 3), diff},
  };
  for (const Case& c : cases) {
    DialogScriptPush(AnswerOk(Text(TXT_CAPTION_ERROR)));
    EXPECT_EQ(StockWizardAccept(c.options), -1);
    EXPECT_EQ(DialogScriptShown().back().szText, c.message);
  }
  EXPECT_EQ(StockWizardAccept(OneField(1, 2, 3)), 0);
  EXPECT_EQ(StockWizardAccept(Difference(2, 1, 4, 3)), 0);
  script.Check();
  EndHeadlessProgram();
}

}  // namespace
