// Sorting keys and "Sort data": the key sort against std::stable_sort and on
// a hand-worked tie order, the plan per selection kind, reports per kind
// and order, the refusal of a non-numeric key line, and the command with
// its dialog and report table.
#include "table/sort_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/text_buffer.h"
#include "resources/command_ids.h"
#include "platform/window.h"
#include "support/dialog_script_guard.h"
#include "support/fresh_table.h"
#include "support/headless_program.h"
#include "table/cell_store.h"
#include "table/long_text.h"
#include "table/sort_keys.h"
#include "table/table_access.h"
#include "table/table_range.h"
#include "table/table_window_ops.h"

namespace {

// Keys of one shape: values and their source rows 1..n.
struct Keys {
  std::vector<double> values;
  std::vector<std::int32_t> rows;
  std::vector<std::int32_t> cols;
};

Keys MakeKeys(std::vector<double> values) {
  Keys k;
  k.values = std::move(values);
  k.rows.resize(k.values.size());
  std::iota(k.rows.begin(), k.rows.end(), 1);
  k.cols.assign(k.values.size(), 7);
  return k;
}

void SortKeys(Keys& k, int order) {
  const int n = static_cast<int>(k.values.size());
  QuickSortKeys(k.values.data(), k.rows.data(), k.cols.data(), n, 0, n - 1, order);
}

// Inputs of the usual troublesome shapes.
std::vector<double> Shape(const std::string& shape, int n, std::mt19937& random) {
  std::vector<double> v(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    if (shape == "random") v[i] = std::uniform_real_distribution<double>(-1e6, 1e6)(random);
    if (shape == "duplicates") v[i] = static_cast<double>(std::uniform_int_distribution<int>(0, 4)(random));
    if (shape == "sorted") v[i] = i;
    if (shape == "reversed") v[i] = n - i;
    if (shape == "all equal") v[i] = 3.5;
    if (shape == "organ-pipe") v[i] = std::min(i, n - 1 - i);
  }
  return v;
}

TEST(QuickSortKeys, OrdersValuesAsAStableSortDoesAndKeepsEachKeysCell) {
  std::mt19937 random(20260);
  for (const char* shape : {"random", "duplicates", "sorted", "reversed", "all equal", "organ-pipe"}) {
    for (int n : {0, 1, 2, 3, 17, 1000, 16384}) {
      for (int order : {SORT_ASCENDING, SORT_DESCENDING}) {
        SCOPED_TRACE(std::string(shape) + " n=" + std::to_string(n) + " order=" + std::to_string(order));
        Keys k = MakeKeys(Shape(shape, n, random));
        const std::vector<double> original = k.values;
        std::vector<double> expected = original;
        if (order == SORT_ASCENDING) {
          std::stable_sort(expected.begin(), expected.end());
        } else {
          std::stable_sort(expected.begin(), expected.end(), std::greater<>());
        }
        SortKeys(k, order);
        ASSERT_EQ(k.values, expected);
        // Each key still names the row it came from, and every row once.
        std::vector<bool> seen(static_cast<std::size_t>(n) + 1);
        for (int i = 0; i < n; ++i) {
          ASSERT_EQ(k.values[i], original[k.rows[i] - 1]);
          ASSERT_FALSE(seen[k.rows[i]]);
          seen[k.rows[i]] = true;
          ASSERT_EQ(k.cols[i], 7);
        }
      }
    }
  }
}

TEST(QuickSortKeys, LeavesEqualKeysInThePartitionOrder) {
  // Worked through by hand for 2, 1, 2, 1, 2 ascending: the first pass
  // swaps rows 1 and 5, then 3 and 4, and the parts 0..2 and 3..4 are
  // sorted in turn; a stable sort would give 2, 4, 1, 3, 5.
  const struct {
    std::vector<double> values;
    int order;
    std::vector<std::int32_t> rows;
  } cases[] = {
      {{2, 1, 2, 1, 2}, SORT_ASCENDING, {2, 4, 5, 1, 3}},
      {{2, 1, 2, 1, 2}, SORT_DESCENDING, {3, 5, 1, 2, 4}},
      {{3, 1, 3, 2, 1, 3}, SORT_DESCENDING, {3, 6, 1, 4, 2, 5}},
      {{5, 5}, SORT_ASCENDING, {2, 1}},
  };
  for (const auto& c : cases) {
    Keys k = MakeKeys(c.values);
    SortKeys(k, c.order);
    EXPECT_EQ(k.rows, c.rows);
  }
}

TEST(QuickSortKeys, StaysInsideTheKeysGiven) {
  Keys k = MakeKeys({4, 3, 2, 1});
  QuickSortKeys(k.values.data(), k.rows.data(), k.cols.data(), 4, -3, 99, SORT_ASCENDING);
  EXPECT_EQ(k.values, (std::vector<double>{1, 2, 3, 4}));
  Keys part = MakeKeys({4, 3, 2, 1});
  QuickSortKeys(part.values.data(), part.rows.data(), part.cols.data(), 4, 1, 2, SORT_ASCENDING);
  EXPECT_EQ(part.values, (std::vector<double>{4, 2, 3, 1}));
}

// A table with rows of texts from R1C1.
void Fill(FreshTable& t, std::initializer_list<std::initializer_list<const char*>> rows) {
  int row = 1;
  for (const auto& line : rows) {
    int col = 1;
    for (const char* text : line) t.Store(row, col++, text);
    ++row;
  }
}

void Select(TableRecord& t, int r0, int c0, int r1, int c1, int kind, int browseRow, int browseCol) {
  ResetSelection(t);
  t.selRowFrom[0] = r0;
  t.selColFrom[0] = c0;
  t.selRowTo[0] = r1;
  t.selColTo[0] = c1;
  t.selKind[0] = kind;
  t.iBrowseRow = browseRow;
  t.iBrowseCol = browseCol;
}

// The shown texts of rows 1..rows and columns 1..cols, rows joined by '|'.
std::string Shown(const FreshTable& t, int rows, int cols) {
  std::string out;
  for (int row = 1; row <= rows; ++row) {
    if (row > 1) out += '|';
    for (int col = 1; col <= cols; ++col) {
      if (col > 1) out += ',';
      out += t.Shown(row, col);
    }
  }
  return out;
}

TEST(SortData, ReportsPerSelectionKindAndOrder) {
  // Columns: rows a 3 x / b 9 y / c 1 z, keyed by column 2. Rows: 3 9 1 over
  // x y z, keyed by row 1.
  const struct {
    const char* name;
    bool rowFixture;
    int r0, c0, r1, c1, kind, browseRow, browseCol;
    int sortBy, order;  // what the dialog answers when it is asked
    bool ask;
    const char* report;
  } cases[] = {
      {"whole columns by column 2", false, 1, 1, 1, 3, SELECT_COLUMNS, 1, 2, SORT_BY_COLUMN, SORT_ASCENDING, true,
       "c,1,z|a,3,x|b,9,y"},
      {"whole columns by column 2, descending", false, 1, 1, 1, 3, SELECT_COLUMNS, 1, 2, SORT_BY_COLUMN,
       SORT_DESCENDING, true, "b,9,y|a,3,x|c,1,z"},
      {"one whole column, no dialog", false, 1, 2, 1, 2, SELECT_COLUMNS, 2, 2, SORT_BY_COLUMN, SORT_ASCENDING, false,
       "1,,|3,,|9,,"},
      {"a block by column", false, 1, 2, 3, 3, SELECT_BLOCK, 1, 2, SORT_BY_COLUMN, SORT_ASCENDING, true,
       "1,z,|3,x,|9,y,"},
      {"a block by column, descending", false, 1, 2, 3, 3, SELECT_BLOCK, 1, 2, SORT_BY_COLUMN, SORT_DESCENDING, true,
       "9,y,|3,x,|1,z,"},
      {"a block of one column, no dialog", false, 1, 2, 3, 2, SELECT_BLOCK, 2, 2, SORT_BY_ROW, SORT_ASCENDING, false,
       "1,,|3,,|9,,"},
      {"whole rows by row 1", true, 1, 1, 2, 1, SELECT_ROWS, 1, 2, SORT_BY_ROW, SORT_ASCENDING, true,
       "1,3,9|z,x,y"},
      {"whole rows by row 1, descending", true, 1, 1, 2, 1, SELECT_ROWS, 1, 2, SORT_BY_ROW, SORT_DESCENDING, true,
       "9,3,1|y,x,z"},
      {"a block by row", true, 1, 1, 2, 3, SELECT_BLOCK, 1, 3, SORT_BY_ROW, SORT_ASCENDING, true, "1,3,9|z,x,y"},
      {"a block of one row, no dialog", true, 1, 1, 1, 3, SELECT_BLOCK, 1, 2, SORT_BY_COLUMN, SORT_ASCENDING, false,
       "1,3,9|,,"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FreshTable source;
    FreshTable report;
    ASSERT_TRUE(source.ok() && report.ok());
    if (c.rowFixture) {
      Fill(source, {{"3", "9", "1"}, {"x", "y", "z"}});
    } else {
      Fill(source, {{"a", "3", "x"}, {"b", "9", "y"}, {"c", "1", "z"}});
    }
    Select(*source, c.r0, c.c0, c.r1, c.c1, c.kind, c.browseRow, c.browseCol);
    const std::string before = Shown(source, 3, 3);
    SortPlan plan;
    ASSERT_EQ(PlanSort(*source, &plan), 0);
    EXPECT_EQ(plan.bAsk, c.ask);
    if (plan.bAsk) {
      source->iSortBy = c.sortBy;
      source->iSortOrder = c.order;
    }
    ASSERT_EQ(SortIntoReport(*source, plan, *report), 0);
    EXPECT_EQ(Shown(report, 3, 3).substr(0, std::string(c.report).size()), c.report);
    EXPECT_EQ(Shown(source, 3, 3), before);
    EXPECT_EQ(report->bModified, 1);
  }
}

TEST(SortData, KeyLinesWithEmptyOrTextCells) {
  // A whole column stops at its key column's last cell (rows below it in
  // other columns are dropped); inside the block an empty or text key is
  // refused and nothing is written.
  const struct {
    const char* name;
    std::vector<const char*> keys;  // column 1, rows 1..
    int kind;
    int result;
    const char* report;
  } cases[] = {
      {"1, 2, 3 then empty cells", {"3", "1", "2"}, SELECT_COLUMNS, 0, "1,b|2,c|3,a"},
      {"an empty key inside", {"1", "", "3"}, SELECT_COLUMNS, -1, ",|,|,"},
      {"a text key", {"1", "two", "3"}, SELECT_COLUMNS, -1, ",|,|,"},
      {"an empty key in a block", {"1", "", "3"}, SELECT_BLOCK, -1, ",|,|,"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FreshTable source;
    FreshTable report;
    ASSERT_TRUE(source.ok() && report.ok());
    for (std::size_t i = 0; i < c.keys.size(); ++i) source.Store(static_cast<int>(i) + 1, 1, c.keys[i]);
    // Column 2 runs two rows further than the keys.
    const char* labels[] = {"a", "b", "c", "d", "e"};
    for (int row = 1; row <= 5; ++row) source.Store(row, 2, labels[row - 1]);
    Select(*source, 1, 1, c.kind == SELECT_BLOCK ? 3 : 1, 2, c.kind, 1, 1);
    SortPlan plan;
    ASSERT_EQ(PlanSort(*source, &plan), 0);
    source->iSortBy = SORT_BY_COLUMN;
    EXPECT_EQ(SortIntoReport(*source, plan, *report), c.result);
    EXPECT_EQ(Shown(report, 3, 2), c.report);
    EXPECT_EQ(report.Shown(4, 2), "");
  }
}

TEST(SortData, ReportKeepsItsOwnTexts) {
  // Pool texts are resolved into the report's own pool; a reference whose
  // number has absurdly many digits names no slot (it is copied as the text
  // it shows) instead of wrapping round into another slot.
  FreshTable source;
  FreshTable report;
  ASSERT_TRUE(source.ok() && report.ok());
  report.Store(9, 9, "report's own text");  // takes the report's slot 0
  source.Store(1, 1, "2");
  source.Store(1, 2, "second");
  source.Store(2, 1, "1");
  source.Store(2, 2, "first");
  CopyText(TableCellAt(*source, 3, 2)->szText, "CHAR99999999999999999");
  source.Store(3, 1, "3");
  Select(*source, 1, 1, 3, 2, SELECT_BLOCK, 1, 1);
  SortPlan plan;
  ASSERT_EQ(PlanSort(*source, &plan), 0);
  ASSERT_EQ(SortIntoReport(*source, plan, *report), 0);
  EXPECT_EQ(Shown(report, 2, 2), "1,first|2,second");
  EXPECT_EQ(report.Shown(3, 2), "CHAR99999999999999999");
  EXPECT_EQ(report.Shown(9, 9), "report's own text");
  const std::string raw = report.Raw(1, 2);
  ASSERT_EQ(raw.rfind("CHAR", 0), 0u);
  EXPECT_EQ(report.Pool(LongTextSlotOf(*report, raw)), "first");
  // The source's pool is untouched by the copy.
  EXPECT_EQ(source.Shown(2, 2), "first");
}

TEST(SortData, DialogTexts) {
  EXPECT_EQ(SortClickedText(12, 3), "Right-clicked on cell (R12, C3)");
  EXPECT_EQ(SortRowText(12), "Row 12");
  EXPECT_EQ(SortColumnText(3), "Column 3");
}

class SortCommandTest : public HeadlessTableTest {};

// Choose by column or row and the order in the "Sort" dialog.
ScriptedAnswer ChooseSort(int sortBy, int order) {
  return AnswerDialog(SORT_DIALOG_NAME, [sortBy, order](DialogRequest& request) {
    auto* model = dynamic_cast<SortDialogModel*>(request.pModel);
    model->iSortBy = sortBy;
    model->iSortOrder = order;
    return static_cast<int>(BUTTON_OK);
  });
}

TEST_F(SortCommandTest, FillsAReportTableOrClosesItAgain) {
  DialogScriptGuard script;
  const char* cells[][2] = {{"5", "five"}, {"2", "two"}, {"8", "eight"}};
  for (int row = 1; row <= 3; ++row) {
    TableSetCellText(table_, row, 1, cells[row - 1][0]);
    TableSetCellText(table_, row, 2, cells[row - 1][1]);
  }
  auto select = [&] {
    TableLockGuard t(table_);
    Select(*t.get(), 1, 1, 3, 2, SELECT_BLOCK, 2, 1);
  };
  const int windows = LiveWindowCount();

  // Cancelled: the report table goes again.
  select();
  DialogScriptPush(AnswerCancel(DIALOG_CUSTOM, SORT_DIALOG_NAME));
  SendCommand(table_, CMD_SORT_DATA);
  PumpPostedMessages();
  EXPECT_EQ(LiveWindowCount(), windows);

  // Descending by column 1.
  select();
  DialogScriptPush(ChooseSort(SORT_BY_COLUMN, SORT_DESCENDING));
  SendCommand(table_, CMD_SORT_DATA);
  WindowHandle report = WindowHandle::None;
  {
    TableLockGuard t(table_);
    report = t->hReportTable;
  }
  ASSERT_TRUE(IsWindowAlive(report));
  EXPECT_EQ(TableCellDisplayText(report, 1, 2), "eight");
  EXPECT_EQ(TableCellDisplayText(report, 3, 2), "two");
  {
    TableLockGuard r(report);
    EXPECT_EQ(r->bModified, 1);
  }
  EXPECT_EQ(TableCellDisplayText(table_, 1, 2), "five");
  DestroyWindowOf(report);

  // A text in the key line: the message, and no report table stays.
  TableSetCellText(table_, 2, 1, "n/a");
  select();
  DialogScriptPush(ChooseSort(SORT_BY_COLUMN, SORT_ASCENDING));
  DialogScriptPush(AnswerOk("Message"));
  SendCommand(table_, CMD_SORT_DATA);
  PumpPostedMessages();
  EXPECT_EQ(LiveWindowCount(), windows);
  ASSERT_FALSE(DialogScriptShown().empty());
  EXPECT_EQ(DialogScriptShown().back().szText, "Sorting row/col contains non numeric data (not supported).");
}

}  // namespace
