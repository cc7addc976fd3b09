#include "table/table_size_dialog.h"

#include <gtest/gtest.h>

#include "platform/text_buffer.h"
#include "resources/language.h"
#include "shell/program_state.h"
#include "support/dialog_script_guard.h"
#include "support/fresh_table.h"
#include "support/headless_program.h"
#include "table/cell_store.h"
#include "table/long_text.h"
#include "table/table_access.h"
#include "table/table_window_ops.h"

namespace {

struct SizeCase {
  int choice;
  int scrollPos;
  int rows;
  int cols;
};

TEST(TableSizeResult, FollowsTheChoiceAndTheCellCapacity) {
  const SizeCase cases[] = {
      {TABLE_SIZE_NORMAL, 0, 2001, 371},
      {TABLE_SIZE_NORMAL, 9999, 2001, 371},
      {TABLE_SIZE_ROWS, 1951, 2001, 417},    // 835635 / 2001
      {TABLE_SIZE_ROWS, 0, 51, 16385},       // scroll minimum
      {TABLE_SIZE_ROWS, 1, 51, 16385},
      {TABLE_SIZE_ROWS, 2, 52, 16069},
      {TABLE_SIZE_ROWS, 16333, 16383, 51},
      {TABLE_SIZE_ROWS, 16334, 16385, 51},   // scroll maximum
      {TABLE_SIZE_ROWS, 99999, 16385, 51},   // clamped
      {TABLE_SIZE_ROWS, -5, 51, 16385},
      {TABLE_SIZE_COLS, 1951, 417, 2001},
      {TABLE_SIZE_COLS, 0, 16385, 51},
      {TABLE_SIZE_COLS, 16334, 51, 16385},
      {7, 1951, 2001, 371},                  // unknown choice: normal
  };
  for (const SizeCase& c : cases) {
    int rows = 0;
    int cols = 0;
    TableSizeResult(c.choice, c.scrollPos, &rows, &cols);
    EXPECT_EQ(rows, c.rows) << "choice " << c.choice << " at " << c.scrollPos;
    EXPECT_EQ(cols, c.cols) << "choice " << c.choice << " at " << c.scrollPos;
    EXPECT_LE(static_cast<long long>(rows) * cols, TABLE_CELL_CAPACITY);
  }
}

TEST(TableSizeScroll, StepsAndClamps) {
  const struct {
    int pos, request, thumb, result;
  } cases[] = {
      {100, SCROLL_LINE_LEFT, 0, 99},       {100, SCROLL_LINE_RIGHT, 0, 101},
      {100, SCROLL_PAGE_LEFT, 0, 90},       {100, SCROLL_PAGE_RIGHT, 0, 110},
      {0, SCROLL_LINE_LEFT, 0, 0},          {5, SCROLL_PAGE_LEFT, 0, 0},
      {16334, SCROLL_LINE_RIGHT, 0, 16334}, {16330, SCROLL_PAGE_RIGHT, 0, 16334},
      {100, SCROLL_THUMB_TRACK, 777, 777},        {100, SCROLL_THUMB_TRACK, 20000, 16334},
      {100, SCROLL_LEFTMOST, 0, 0},         {100, SCROLL_RIGHTMOST, 0, 16334},
      {100, SCROLL_THUMB_POSITION, 555, 555}, {100, SCROLL_END, 555, 100},  // the end of a drag leaves it
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TableSizeScroll(c.pos, c.request, c.thumb), c.result) << c.pos << " request " << c.request;
  }
}

class TableSizeTextTest : public ::testing::Test {
 protected:
  void TearDown() override { ResetProgramState(); }
};

TEST_F(TableSizeTextTest, SummaryInEnglish) {
  EXPECT_EQ(TableSizeSummary(TABLE_SIZE_NORMAL, 0), "Table will reset as (R=2000, C=370)");
  EXPECT_EQ(TableSizeSummary(TABLE_SIZE_ROWS, 1951),
            "Table will reset as (R=2000, C=416)\nData can be saved as (*.txt) file only");
  EXPECT_EQ(TableSizeSummary(TABLE_SIZE_COLS, 0),
            "Table will reset as (R=16384, C=50)\nData can be saved as (*.txt) file only");
  EXPECT_EQ(TableSizeNormalLabel(), "Normal table setting = (R2000, C370)");
}

TEST_F(TableSizeTextTest, SummaryInChinese) {
  LanguageSetChinese(true);
  EXPECT_EQ(TableSizeSummary(TABLE_SIZE_ROWS, 0), "数表将重置为 (行=50, 列=16384)\n数据可以记录为 (*.txt) 文件格式");
  EXPECT_EQ(TableSizeSummary(TABLE_SIZE_NORMAL, 0), "数表将重置为 (行=2000, 列=370)");
  EXPECT_EQ(TableSizeNormalLabel(), "常态表格设置= (R2000, C370)");
}

class TableSizeDialogTest : public HeadlessTableTest {
 protected:
  // Answer the dialog with a choice and position; remembers the position
  // the dialog opened with.
  void Answer(int choice, int scrollPos, int button = BUTTON_OK) {
    DialogScriptPush(AnswerDialog("Table size", [=, this](DialogRequest& request) {
      auto* model = static_cast<TableSizeModel*>(request.pModel);
      openedAt_ = model->iScrollPos;
      model->iChoice = choice;
      model->iScrollPos = scrollPos;
      return button;
    }));
  }

  int openedAt_ = -1;
};

TEST_F(TableSizeDialogTest, OkWithRowsResizesAndClearsTheTable) {
  DialogScriptGuard dialogs;
  ASSERT_EQ(TableStoreCellText(table_, 3, 3, "old text"), 0);
  Answer(TABLE_SIZE_ROWS, 1951);
  EXPECT_EQ(TableSizeDialogRun(table_), 0);
  EXPECT_EQ(openedAt_, 1951) << "the dialog opens at the table's row count";
  TableLockGuard t(table_);
  ASSERT_TRUE(t);
  EXPECT_EQ(t->iRows, 2001);
  EXPECT_EQ(t->iCols, 417);
  EXPECT_EQ(t->bReadOnly, 1);
  EXPECT_EQ(t->bResized, 1);
  EXPECT_EQ(TableCellDisplayText(*t.get(), 0, 5), "C5");
  EXPECT_EQ(TableCellDisplayText(*t.get(), 7, 0), "R7");
  EXPECT_EQ(TableCellDisplayText(*t.get(), 0, 416), "C416");
  EXPECT_EQ(TableCellDisplayText(*t.get(), 3, 3), "");
  EXPECT_EQ(LongTextAt(*t.get(), 0), "") << "the old text's slot is free";
}

TEST(RelabelHeaders, EmptiesEveryCellAndThePoolWhateverTheSize) {
  FreshTable t;
  ASSERT_TRUE(t.ok());
  ASSERT_EQ(t.Store(5, 300, "far text"), 0);
  ASSERT_EQ(t.Store(6, 6, "near text"), 0);
  // Shrink the columns: (5,300) lies outside the new size.
  ASSERT_EQ(SetImportTableSize(*t, 16385, 51), 0);
  RelabelHeaders(*t);
  ASSERT_EQ(SetImportTableSize(*t, 2001, 417), 0);
  RelabelHeaders(*t);
  ASSERT_EQ(t.Store(1, 1, "new text"), 0);
  EXPECT_EQ(t.Raw(1, 1), "CHAR0");
  for (const TableCell& cell : t->cells) {
    ASSERT_NE(IsLongTextRef(TextOf(cell.szText)) == 1 && &cell != TableCellAt(*t, 1, 1), true)
        << "a stale reference survived the resize";
  }
  EXPECT_EQ(t.Shown(5, 300), "");
}

TEST_F(TableSizeDialogTest, ColumnsChoiceAtTheMinimum) {
  DialogScriptGuard dialogs;
  Answer(TABLE_SIZE_COLS, 0);
  EXPECT_EQ(TableSizeDialogRun(table_), 0);
  TableLockGuard t(table_);
  EXPECT_EQ(t->iRows, 16385);
  EXPECT_EQ(t->iCols, 51);
  EXPECT_EQ(TableCellDisplayText(*t.get(), 16384, 0), "R16384");
  EXPECT_EQ(TableCellDisplayText(*t.get(), 0, 50), "C50");
}

TEST_F(TableSizeDialogTest, CancelOrNormalChoiceChangesNothing) {
  DialogScriptGuard dialogs;
  ASSERT_EQ(TableStoreCellText(table_, 3, 3, "kept"), 0);
  Answer(TABLE_SIZE_ROWS, 100, BUTTON_CANCEL);
  EXPECT_EQ(TableSizeDialogRun(table_), 1);
  Answer(TABLE_SIZE_NORMAL, 100);
  EXPECT_EQ(TableSizeDialogRun(table_), 1);
  TableLockGuard t(table_);
  EXPECT_EQ(t->iRows, 2001);
  EXPECT_EQ(t->iCols, 371);
  EXPECT_EQ(t->bReadOnly, 0);
  EXPECT_EQ(TableCellDisplayText(*t.get(), 3, 3), "kept");
}

TEST_F(TableSizeDialogTest, NotATableGivesNoDialog) {
  DialogScriptGuard dialogs;
  EXPECT_EQ(TableSizeDialogRun(WindowHandle::None), -1);
  EXPECT_TRUE(DialogScriptShown().empty());
}

// A new table resized without looking at every cell must end up exactly as
// one resized and relabelled in full: same texts, same look, everywhere.
TEST(ResizeNewTable, MatchesTheFullRelabelOnANewTable) {
  const std::pair<int, int> sizes[] = {{16385, 51}, {51, 16385}, {2001, 417}, {3000, 200}};
  for (const auto& [rows, cols] : sizes) {
    FreshTable quick;
    FreshTable full;
    ASSERT_TRUE(quick.ok() && full.ok());
    ASSERT_EQ(ResizeNewTable(*quick, rows, cols), 0);
    ASSERT_EQ(SetImportTableSize(*full, rows, cols), 0);
    RelabelHeaders(*full);
    EXPECT_EQ(quick->iRows, rows);
    EXPECT_EQ(quick->iCols, cols);
    EXPECT_EQ(quick->bResized, 1);
    for (std::size_t i = 0; i < quick->cells.size(); ++i) {
      const TableCell& a = quick->cells[i];
      const TableCell& b = full->cells[i];
      ASSERT_EQ(TextOf(a.szText), TextOf(b.szText)) << rows << " x " << cols << " cell " << i;
      ASSERT_EQ(a.iStoredStyle, b.iStoredStyle) << rows << " x " << cols << " cell " << i;
    }
  }
}

// A caller that labels rows itself gets the corner, the column labels and
// the rows before `labelsFrom`; once it has labelled the rest with
// TableWriteRowLabel, the table is the fully relabelled one.
TEST(ResizeNewTable, RowLabelsLeftToTheCallerAreWrittenOneByOne) {
  FreshTable quick;
  FreshTable full;
  ASSERT_TRUE(quick.ok() && full.ok());
  ASSERT_EQ(ResizeNewTable(*quick, 16385, 51, 2), 0);
  EXPECT_EQ(quick.Shown(1, 0), "R1");
  EXPECT_EQ(quick.Shown(2, 0), "");
  EXPECT_EQ(quick.Shown(16384, 0), "");
  EXPECT_EQ(quick.Shown(0, 50), "C50");
  for (int row = 2; row < 16385; ++row) TableWriteRowLabel(*quick, row);
  TableWriteRowLabel(*quick, 0);      // the header row has no label
  TableWriteRowLabel(*quick, 16385);  // outside the table: nothing
  ASSERT_EQ(SetImportTableSize(*full, 16385, 51), 0);
  RelabelHeaders(*full);
  for (std::size_t i = 0; i < quick->cells.size(); ++i) {
    ASSERT_EQ(TextOf(quick->cells[i].szText), TextOf(full->cells[i].szText)) << "cell " << i;
  }
}

TEST(ResizeNewTable, ATableWithContentIsClearedInFull) {
  FreshTable t;
  ASSERT_TRUE(t.ok());
  ASSERT_EQ(t.Store(5, 300, "far text"), 0);
  ASSERT_EQ(ResizeNewTable(*t, 16385, 51), 0);
  for (const TableCell& cell : t->cells) {
    ASSERT_NE(IsLongTextRef(TextOf(cell.szText)), 1) << "a stale reference survived the resize";
  }
  EXPECT_EQ(LongTextAt(*t, 0), "");
  EXPECT_EQ(t.Shown(0, 50), "C50");
  EXPECT_EQ(t.Shown(16384, 0), "R16384");
  EXPECT_EQ(ResizeNewTable(*t, 50, 51), -1) << "a size outside the limits is refused";
}

}  // namespace
