// Copy, cut and paste through the clipboard, and transposing into a report.
#include "table/range_commands.h"

#include <gtest/gtest.h>

#include <string>

#include "formula/formula_registry.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/notices.h"
#include "shell/program_state.h"
#include "support/dialog_script_guard.h"
#include "support/headless_program.h"
#include "support/range_table_test.h"
#include "table/cell_store.h"
#include "table/long_text.h"
#include "table/table_access.h"
#include "table/table_range.h"
#include "table/table_window_ops.h"

namespace {

using RangeCommandsTest = RangeTableTest;

TEST_F(RangeCommandsTest, CopyGivesTabsAndCrLfWithLongTextsInFull) {
  const std::string longText(300, 'w');
  for (int c = 1; c <= 3; ++c) {
    Put(1, c, std::string(1, static_cast<char>('a' + c - 1)));
    Put(2, c, std::string(1, static_cast<char>('d' + c - 1)));
  }
  Put(3, 1, longText);
  Select(1, 1, 2, 3);
  ASSERT_EQ(CopyRange(table_, true), 0);
  EXPECT_EQ(ClipboardGetText(), "a\tb\tc\r\nd\te\tf\r\n");

  // Whole columns stop at the last used row; an empty cell is empty.
  Select(1, 1, T().iRows - 1, 2, SELECT_COLUMNS);
  ASSERT_EQ(CopyRange(table_, true), 0);
  EXPECT_EQ(ClipboardGetText(), "a\tb\r\nd\te\r\n" + longText + "\t\r\n");
}

TEST_F(RangeCommandsTest, FormulaLinesGoAlongWhenTheUserSaysSo) {
  Put(1, 1, "2");
  ASSERT_EQ(FormulaRun(table_, "R1C2", FORMULA_MODE_RUN, "R1C1*3", -1), 0);
  Select(1, 1, 1, 2);
  DialogScriptPush(AnswerNo("Do you want to copy data with math formula?"));
  ASSERT_EQ(CopyRange(table_, true), 0);
  EXPECT_EQ(ClipboardGetText(), "2\t6\r\n");
  DialogScriptPush(AnswerYes());
  ASSERT_EQ(CopyRange(table_, true), 0);
  EXPECT_EQ(ClipboardGetText(), "2\tUser(+,-,x,/)\tR1C2\tRUN=\t-1\tR1C1*3\r\n");

  // Pasted one row down, the formula follows with shifted references.
  Select(2, 1, 2, 1);
  ASSERT_EQ(PasteText(table_), 0);
  Put(2, 1, "5");
  EXPECT_EQ(Shown(2, 2), "15");
  EXPECT_EQ(T().iFormulaCount, 2);
}

TEST_F(RangeCommandsTest, PasteReadsTextFromOtherPrograms) {
  const std::string field600(600, 'x');
  const struct {
    const char* szName;
    std::string text;
    std::vector<std::vector<std::string>> cells;  // from R1C1
  } cases[] = {
      {"CR LF", "1\t2\r\n3\t4\r\n", {{"1", "2"}, {"3", "4"}}},
      {"LF only", "1\t2\n3\t4\n", {{"1", "2"}, {"3", "4"}}},
      {"CR only", "1\t2\r3\t4\r", {{"1", "2"}, {"3", "4"}}},
      {"mixed", "1\r\n2\n3\r4", {{"1"}, {"2"}, {"3"}, {"4"}}},
      {"no last line end", "a\tb\r\nc\td", {{"a", "b"}, {"c", "d"}}},
      {"empty middle line", "a\r\n\r\nb\r\n", {{"a"}, {""}, {"b"}}},
      {"empty fields", "a\t\tc\r\n", {{"a", "", "c"}}},
      {"Chinese", "温度\t湿度\r\n", {{"温度", "湿度"}}},
      {"long field", field600 + "\r\n", {{field600.substr(0, 514) + " ..."}}},
      {"bad formula line", "User(+,-,x,/)\tR1C1\tRUN=\t99\tR1C2+1\r\n", {{"Err MathFormula"}}},
      {"formula text too long", "User(+,-,x,/)\tR1C1\tRUN=\t-1\t" + std::string(1200, '1') + "\r\n",
       {{"Err MathFormula"}}},
      {"bad formula target", "User(+,-,x,/)\tnowhere\tRUN=\t-1\t1+1\r\n", {{"Err MathFormula"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.szName);
    // Whatever was there before goes.
    for (int r = 1; r <= 4; ++r) {
      for (int col = 1; col <= 3; ++col) Put(r, col, "old");
    }
    ClipboardSetText(c.text);
    Select(1, 1, 1, 1);
    ASSERT_EQ(PasteText(table_), 0);
    for (std::size_t r = 0; r < c.cells.size(); ++r) {
      for (std::size_t col = 0; col < c.cells[r].size(); ++col) {
        EXPECT_EQ(Shown(static_cast<int>(r) + 1, static_cast<int>(col) + 1), c.cells[r][col]) << r << "," << col;
      }
    }
    EXPECT_EQ(T().iFormulaCount, 0);
    // The pasted area is the selection.
    EXPECT_EQ(T().selRowTo[0], static_cast<int>(c.cells.size()));
  }
}

TEST_F(RangeCommandsTest, PasteNeverWritesOutsideTheTable) {
  // Three fields at the last two columns, three rows at the last two rows.
  const int lastRow = T().iRows - 1;
  const int lastCol = T().iCols - 1;
  ClipboardSetText("a\tb\tc\r\nd\te\tf\r\ng\th\ti\r\n");
  Select(lastRow - 1, lastCol - 1, lastRow - 1, lastCol - 1);
  ASSERT_EQ(PasteText(table_), 0);
  EXPECT_EQ(Shown(lastRow - 1, lastCol - 1), "a");
  EXPECT_EQ(Shown(lastRow - 1, lastCol), "b");
  EXPECT_EQ(Shown(lastRow, lastCol), "e");
  EXPECT_EQ(T().selRowTo[0], lastRow);
  EXPECT_EQ(T().selColTo[0], lastCol);
  // Row 0 and column 0 keep their labels.
  EXPECT_EQ(Shown(0, lastCol), "C" + std::to_string(lastCol));
  EXPECT_EQ(Shown(lastRow, 0), "R" + std::to_string(lastRow));

  // Nothing on the clipboard: nothing happens.
  ClipboardSetText("");
  EXPECT_EQ(PasteText(table_), -1);
}

TEST_F(RangeCommandsTest, CutEmptiesOnlyWhatReachedTheClipboard) {
  Put(1, 1, "7");
  Put(2, 2, "8");
  ASSERT_EQ(FormulaRun(table_, "R1C2", FORMULA_MODE_RUN, "R1C1+1", -1), 0);
  Select(1, 1, 1, 2);
  ASSERT_EQ(CutRange(table_), 0);
  // Cut takes formulas without asking.
  EXPECT_EQ(ClipboardGetText(), "7\tUser(+,-,x,/)\tR1C2\tRUN=\t-1\tR1C1+1\r\n");
  EXPECT_EQ(Shown(1, 1), "");
  EXPECT_EQ(Shown(1, 2), "");
  EXPECT_EQ(T().iFormulaCount, 0);
  EXPECT_EQ(T().bUndoFileExists, 1);

  // Several ranges: refused, and nothing is emptied.
  ClipboardSetText("before");
  T().iSelCurrent = 1;
  T().selRowFrom[1] = T().selRowTo[1] = 2;
  T().selColFrom[1] = T().selColTo[1] = 2;
  T().selKind[1] = SELECT_BLOCK;
  DialogScriptPush(AnswerOk("Message"));
  {
    NoticeScope scope;
    EXPECT_EQ(CutRange(table_), -1);
  }
  EXPECT_NE(LastMessage().find("with multiple seletions."), std::string::npos);
  EXPECT_EQ(ClipboardGetText(), "before");
  EXPECT_EQ(Shown(2, 2), "8");
}

TEST_F(RangeCommandsTest, TransposeCopiesTextsIntoAReport) {
  Put(1, 1, "1");
  Put(1, 2, "2");
  Put(1, 3, std::string(40, 'L'));
  Put(2, 1, "4");
  Select(1, 1, 2, 3);
  const int tables = Program().nOpenTables;
  ASSERT_EQ(TransposeRange(table_), 0);
  const WindowHandle report = T().hReportTable;
  ASSERT_FALSE(IsNone(report));
  EXPECT_EQ(TableCellDisplayText(report, 1, 1), "1");
  EXPECT_EQ(TableCellDisplayText(report, 1, 2), "4");
  EXPECT_EQ(TableCellDisplayText(report, 2, 1), "2");
  EXPECT_EQ(TableCellDisplayText(report, 3, 1), std::string(40, 'L'));
  EXPECT_EQ(TableCellDisplayText(report, 3, 2), "");
  {
    TableLockGuard r(report);
    EXPECT_EQ(r->bModified, 1);
  }
  DestroyWindowOf(report);
  EXPECT_EQ(Program().nOpenTables, tables);

  // A range taller than a report is wide gives the report the swapped
  // shape, so nothing is cut.
  for (int r = 1; r <= 500; ++r) Put(r, 1, std::to_string(r));
  Select(1, 1, 500, 1);
  ASSERT_EQ(TransposeRange(table_), 0);
  const WindowHandle wide = T().hReportTable;
  {
    TableLockGuard r(wide);
    EXPECT_EQ(r->iRows, T().iCols);
    EXPECT_EQ(r->iCols, T().iRows);
  }
  EXPECT_EQ(TableCellDisplayText(wide, 1, 500), "500");
  DestroyWindowOf(wide);
}

}  // namespace
