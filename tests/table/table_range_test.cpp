#include "table/table_range.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/dialog_script_guard.h"
#include "support/fresh_table.h"
#include "support/headless_program.h"
#include "shell/program_state.h"
#include "table/table_window_ops.h"

namespace {

class TableRangeTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(t.ok()); }
  void SetRange(int index, int rowFrom, int rowTo, int colFrom, int colTo, int kind) {
    t->selRowFrom[index] = rowFrom;
    t->selRowTo[index] = rowTo;
    t->selColFrom[index] = colFrom;
    t->selColTo[index] = colTo;
    t->selKind[index] = kind;
  }
  FreshTable t;
};

TEST_F(TableRangeTest, RangesAreNormalisedAndWholeLinesUseTheExtent) {
  t->iUsedRows = 40;
  t->iUsedCols = 12;
  SetRange(0, 9, 3, 7, 2, SELECT_BLOCK);
  SetRange(1, 9, 3, 7, 2, SELECT_COLUMNS);
  SetRange(2, 9, 3, 7, 2, SELECT_ROWS);
  const struct {
    int index;
    TableRange expected;
  } cases[] = {
      {0, {3, 9, 2, 7}},
      {1, {1, 40, 2, 7}},
      {2, {3, 9, 1, 12}},
  };
  for (const auto& c : cases) {
    TableRange r{};
    ASSERT_EQ(TableGetRange(*t, c.index, RANGES_SELECTION, &r), 0);
    EXPECT_EQ(r.iRowFrom, c.expected.iRowFrom) << "range " << c.index;
    EXPECT_EQ(r.iRowTo, c.expected.iRowTo) << "range " << c.index;
    EXPECT_EQ(r.iColFrom, c.expected.iColFrom) << "range " << c.index;
    EXPECT_EQ(r.iColTo, c.expected.iColTo) << "range " << c.index;
  }
}

TEST_F(TableRangeTest, TheExtentIsClampedToTheTableAndStoredBack) {
  t->iUsedRows = 5000;
  t->iUsedCols = 400;
  SetRange(4, 1, 1, 3, 3, SELECT_COLUMNS);
  TableRange r{};
  ASSERT_EQ(TableGetRange(*t, 4, RANGES_SELECTION, &r), 0);
  EXPECT_EQ(r.iRowTo, 2001);
  EXPECT_EQ(t->iUsedRows, 2001);
  EXPECT_EQ(t->iUsedCols, 371);
}

TEST_F(TableRangeTest, AnalysisSetIsReadSeparately) {
  t->iUsedCols = 20;
  t->anaRowFrom[3] = 8;
  t->anaRowTo[3] = 4;
  t->anaKind[3] = SELECT_ROWS;
  TableRange r{};
  ASSERT_EQ(TableGetRange(*t, 3, RANGES_ANALYSIS, &r), 0);
  EXPECT_EQ(r.iRowFrom, 4);
  EXPECT_EQ(r.iRowTo, 8);
  EXPECT_EQ(r.iColFrom, 1);
  EXPECT_EQ(r.iColTo, 20);
  for (int index : {-1, SELECTION_RANGES}) EXPECT_EQ(TableGetRange(*t, index, RANGES_SELECTION, &r), -1);
}

TEST_F(TableRangeTest, ResetAndFirstCellSelection) {
  EXPECT_EQ(t->selRowFrom[0], 1);  // a new table selects (1,1)
  EXPECT_EQ(t->selColTo[0], 1);
  EXPECT_EQ(t->selKind[0], SELECT_BLOCK);
  SetRange(0, 5, 6, 7, 8, SELECT_ROWS);
  SetRange(99, 5, 6, 7, 8, SELECT_COLUMNS);
  t->iSelCurrent = 99;
  t->iShownEditRow = 4;
  t->bAddingRange = 1;
  ResetSelection(*t);
  EXPECT_EQ(t->iSelCurrent, 0);
  EXPECT_EQ(t->iShownEditRow, 0);
  EXPECT_EQ(t->bAddingRange, 0);
  EXPECT_EQ(t->selRowFrom[99], 0);
  EXPECT_EQ(t->selColTo[99], 0);
  SelectFirstCell(*t);
  TableRange r{};
  ASSERT_EQ(TableGetRange(*t, 0, RANGES_SELECTION, &r), 0);
  EXPECT_EQ(r.iRowFrom, 1);
  EXPECT_EQ(r.iRowTo, 1);
  EXPECT_EQ(r.iColFrom, 1);
  EXPECT_EQ(r.iColTo, 1);
  EXPECT_EQ(t->selKind[0], SELECT_BLOCK);
}

TEST_F(TableRangeTest, RescanFindsTheExtremesThatAreLeft) {
  t.Store(1, 1, "5");
  t.Store(2, 3, "7");
  t.Store(4, 2, "-3");
  t.Store(3, 3, "note");
  t.Store(2, 3, "abc");  // the maximum is gone
  EXPECT_EQ(t->dMaxValue, 7.0);
  RescanExtremes(*t);
  EXPECT_EQ(t->dMaxValue, 5.0);
  EXPECT_EQ(t->iMaxRow, 1);
  EXPECT_EQ(t->iMaxCol, 1);
  EXPECT_EQ(t->dMinValue, -3.0);
  EXPECT_EQ(t->iMinRow, 4);
  EXPECT_EQ(t->iMinCol, 2);
}

TEST_F(TableRangeTest, RescanWithoutNumbersLeavesTheExtremesInverted) {
  t.Store(1, 1, "5");
  t.Store(2, 2, "text");
  t.Store(1, 1, "");
  RescanExtremes(*t);
  EXPECT_LT(t->dMaxValue, t->dMinValue);
}

TEST_F(TableRangeTest, RescanLooksOnlyInsideTheUsedArea) {
  t.Store(1, 1, "1");
  TableCell* outside = TableCellAt(*t, 10, 10);  // written behind the extent's back
  CopyText(outside->szText, "500");
  RescanExtremes(*t);
  EXPECT_EQ(t->dMaxValue, 1.0);
}

struct StripCase {
  const char* input;
  const char* output;
};

TEST(StripLineBreaks, TabsAndLineBreaksEndTheText) {
  const StripCase cases[] = {
      {"ab\tcd", "ab"},   {"abc\r\n", "abc"}, {"abc\n", "abc"}, {"abc ", "abc"},
      {"abc  ", "abc "},  {"abc \n", "abc"},  {"a b", "a b"},   {"\tabc", ""},
      {"", ""},           {" ", ""},
  };
  for (const StripCase& c : cases) {
    char buf[520];
    std::strcpy(buf, c.input);
    StripLineBreaks(buf, sizeof buf);
    EXPECT_STREQ(buf, c.output) << '"' << c.input << '"';
  }
  char full[4] = {'a', 'b', 'c', 'd'};  // no terminator inside the buffer
  StripLineBreaks(full, sizeof full);
  EXPECT_STREQ(full, "abc");
}

// The window forms lock the record of a table window.
using TableWindowQueryTest = HeadlessTableTest;

TEST_F(TableWindowQueryTest, NeedsSaveFollowsTheModifiedFlagUnlessSampled) {
  EXPECT_EQ(TableNeedsSave(table_), 0);
  TableLock(table_)->bModified = 1;
  TableUnlock(table_);
  EXPECT_EQ(TableNeedsSave(table_), 1);
  TableLock(table_)->iSampleMode = 1;
  TableUnlock(table_);
  EXPECT_EQ(TableNeedsSave(table_), 0);
  EXPECT_EQ(TableNeedsSave(WindowHandle::None), 0);
}

TEST_F(TableWindowQueryTest, DataSizeIsTheLoadedSizeWhenThereIsOne) {
  EXPECT_EQ(TableRowsForData(table_), 2001);
  EXPECT_EQ(TableColsForData(table_), 371);
  {
    TableLockGuard t(table_);
    t->iLoadedRows = 12;
    t->iLoadedCols = 4;
  }
  EXPECT_EQ(TableRowsForData(table_), 12);
  EXPECT_EQ(TableColsForData(table_), 4);
  EXPECT_EQ(TableRowsForData(WindowHandle::None), 0);
}

TEST_F(TableWindowQueryTest, WindowFormsWorkOnTheRecord) {
  ASSERT_EQ(TableStoreCellText(table_, 2, 2, "8"), 0);
  ASSERT_EQ(TableSetCellText(table_, 3, 3, "hello"), 0);
  EXPECT_EQ(TableSetCellText(table_, 3, 371, "x"), -1);
  EXPECT_EQ(TableCellDisplayText(table_, 3, 3), "hello");
  TableRange r{};
  ASSERT_EQ(TableGetRange(table_, 0, RANGES_SELECTION, &r), 0);
  EXPECT_EQ(r.iRowFrom, 1);
  EXPECT_EQ(TableGetRange(WindowHandle::None, 0, RANGES_SELECTION, &r), -1);
  RescanExtremes(table_);
  SelectFirstCell(table_);
  ResetSelection(table_);
  TableLockGuard t(table_);
  EXPECT_EQ(t->dMaxValue, 8.0);
  EXPECT_EQ(t->selRowFrom[0], 0);
}

TEST_F(TableWindowQueryTest, ReportTableIsRecordedOrTheFailureTold) {
  DialogScriptGuard dialogs;
  const WindowHandle report = CreateHeadlessTable(OPEN_NEW);
  EXPECT_EQ(SetReportTable(table_, report), 1);
  EXPECT_EQ(TableLock(table_)->hReportTable, report);
  TableUnlock(table_);

  DialogScriptPush(AnswerOk("Error message"));
  EXPECT_EQ(SetReportTable(table_, WindowHandle::None), 0);
  ASSERT_EQ(DialogScriptShown().size(), 1u);
  EXPECT_EQ(DialogScriptShown()[0].szText, "Open report table failed");
  DestroyWindowOf(report);
}

}  // namespace
