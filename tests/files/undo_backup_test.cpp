// One level of undo: every kind of back-up puts the table back exactly,
// insert and delete with their formulas included.
#include "files/undo_backup.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "files/table_file_write.h"
#include "formula/formula_registry.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/notices.h"
#include "platform/private_files.h"
#include "support/dialog_script_guard.h"
#include "support/headless_program.h"
#include "support/range_table_test.h"
#include "platform/text_buffer.h"
#include "table/cell_store.h"
#include "table/range_commands.h"
#include "table/range_edit.h"
#include "table/table_access.h"
#include "table/table_range.h"
#include "table/table_window_ops.h"

namespace {

class UndoTest : public RangeTableTest {
 protected:
  // Everything a table file keeps: cells, formulas, colours, styles,
  // heights, widths and the scroll origin.
  std::string Snapshot() {
    const std::string path = dir_.path() + "/snapshot.orl";
    EXPECT_EQ(TableFileWrite(table_, path, SAVE_PLAIN), 0);
    return ReadFileBytes(path) + "used " + std::to_string(T().iUsedRows) + "x" + std::to_string(T().iUsedCols);
  }
  // A 6 x 6 block of numbers with a style, a border, a fill, a wide
  // column, a tall row and three formulas reading it.
  void FillFixture() {
    for (int r = 1; r <= 6; ++r) {
      for (int c = 1; c <= 6; ++c) Put(r, c, std::to_string(r * 10 + c));
    }
    SetCellStyle(*TableCellAt(T(), 2, 2), 21);
    TableCell* border = TableCellAt(T(), 3, 3);
    border->iBorderStyle = 9;
    border->iBorderRed = 200;
    TableCell* fill = TableCellAt(T(), 4, 4);
    fill->iFillOn = 1;
    fill->iFillBlue = 180;
    T().colWidth[2] = 50;
    T().rowHeight[2] = 30;
    ASSERT_EQ(FormulaRun(table_, "R7C1", FORMULA_MODE_RUN, "sum(R1C1:R6C1)", -1), 0);
    ASSERT_EQ(FormulaRun(table_, "R1C7", FORMULA_MODE_RUN, "R1C1+R1C6", -1), 0);
    ASSERT_EQ(FormulaRun(table_, "R7C7", FORMULA_MODE_RUN, "R6C6*2", -1), 0);
  }
  std::string FormulaAt(int row, int col) const {
    const TableCell* cell = TableCellAt(T(), row, col);
    if (!cell || CellFormulaSlot(*cell) < 0) return "(none)";
    return std::string(TextOf(T().formulaSlots[CellFormulaSlot(*cell)].szFormula));
  }

  TempDir dir_;
};

// The gate: insert and delete whole rows and columns at the first, a
// middle and the last used line; cells and their look follow, formulas
// follow their cells, and Undo gives back the table exactly.
TEST_F(UndoTest, InsertAndDeleteMoveEverythingAndUndoRestoresExactly) {
  const struct {
    int iKind;
    int iFrom;
    int iTo;
    bool bInsert;
  } cases[] = {
      {SELECT_COLUMNS, 1, 1, true},  {SELECT_COLUMNS, 3, 4, true},  {SELECT_COLUMNS, 7, 7, true},
      {SELECT_ROWS, 1, 2, true},     {SELECT_ROWS, 4, 4, true},     {SELECT_ROWS, 7, 7, true},
      {SELECT_COLUMNS, 1, 1, false}, {SELECT_COLUMNS, 3, 4, false}, {SELECT_COLUMNS, 6, 6, false},
      {SELECT_ROWS, 1, 2, false},    {SELECT_ROWS, 4, 4, false},    {SELECT_ROWS, 6, 6, false},
  };
  FillFixture();
  const std::string before = Snapshot();
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.bInsert ? "insert " : "delete ") + (c.iKind == SELECT_ROWS ? "rows " : "columns ") +
                 std::to_string(c.iFrom) + ".." + std::to_string(c.iTo));
    const bool rows = c.iKind == SELECT_ROWS;
    const int n = c.iTo - c.iFrom + 1;
    if (rows) {
      Select(c.iFrom, 1, c.iTo, T().iCols - 1, SELECT_ROWS);
    } else {
      Select(1, c.iFrom, T().iRows - 1, c.iTo, SELECT_COLUMNS);
    }
    ASSERT_EQ(c.bInsert ? InsertLines(table_) : DeleteLines(table_), 0);
    EXPECT_EQ(T().bModified, 1);
    // Where line `line` of the fixture went (0: deleted).
    const auto moved = [&](int line) {
      if (c.bInsert) return line >= c.iFrom ? line + n : line;
      if (line < c.iFrom) return line;
      return line > c.iTo ? line - n : 0;
    };
    for (int r = 1; r <= 6; ++r) {
      for (int col = 1; col <= 6; ++col) {
        const int nr = rows ? moved(r) : r;
        const int nc = rows ? col : moved(col);
        if (nr == 0 || nc == 0) continue;
        EXPECT_EQ(Shown(nr, nc), std::to_string(r * 10 + col)) << r << "," << col;
      }
    }
    const auto at = [&](int r, int col) { return TableCellAt(T(), rows ? moved(r) : r, rows ? col : moved(col)); };
    if (moved(2) != 0) {
      EXPECT_EQ(CellStyle(*at(2, 2)), 21);
      EXPECT_EQ(rows ? T().rowHeight[moved(2)] : T().colWidth[moved(2)], rows ? 30 : 50);
    }
    if (moved(3) != 0) {
      EXPECT_EQ(at(3, 3)->iBorderStyle, 9);
    }
    if (moved(4) != 0) {
      EXPECT_EQ(at(4, 4)->iFillOn, 1);
    }
    // The formula reading the first column's block follows it.
    if (rows && c.bInsert) {
      EXPECT_EQ(FormulaAt(moved(7), 1), "sum(R" + std::to_string(moved(1)) + "C1:R" + std::to_string(moved(6)) + "C1)");
    }
    if (!rows && !c.bInsert && c.iFrom == 1) {
      EXPECT_EQ(T().iFormulaCount, 2) << "the formula whose column went goes with it";
      EXPECT_EQ(FormulaAt(1, 6), "R1C?REF?+R1C5");
    }
    if (!rows && c.bInsert) {
      EXPECT_EQ(FormulaAt(1, moved(7)), "R1C" + std::to_string(moved(1)) + "+R1C" + std::to_string(moved(6)));
    }
    // The results are right for the moved cells.
    if (rows && !c.bInsert && c.iFrom == 4) {
      EXPECT_EQ(Shown(6, 1), "175") << "11+21+31+51+61 after row 4 went";
    }
    ASSERT_EQ(T().bUndoFileExists, 1);
    ASSERT_EQ(UndoRestore(table_), 0);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(T().bUndoFileExists, 0);
  }
}

TEST_F(UndoTest, ReferencesIntoDeletedLinesFailVisibly) {
  FillFixture();
  ASSERT_EQ(FormulaRun(table_, "R8C2", FORMULA_MODE_RUN, "R3C2+1", -1), 0);
  ASSERT_EQ(FormulaRun(table_, "R8C3", FORMULA_MODE_RUN, "sum(R2C3:R4C3)", -1), 0);
  Select(3, 1, 4, T().iCols - 1, SELECT_ROWS);
  ASSERT_EQ(DeleteLines(table_), 0);
  EXPECT_EQ(FormulaAt(6, 2), "R?REF?C2+1");
  EXPECT_EQ(FormulaAt(6, 3), "sum(R2C3:R2C3)");
  EXPECT_EQ(Shown(6, 3), "23");
  EXPECT_EQ(FormulaAt(5, 1), "sum(R1C1:R4C1)");
}

TEST_F(UndoTest, NoRoomForInsertKeepsThePreviousUndo) {
  Put(1, 1, "a");
  Select(1, 1, 1, 1);
  ASSERT_EQ(UndoSave(table_, UNDO_SELECTION), 0);
  const std::string previous = UndoBackupPath(table_);
  Put(1, T().iCols - 2, "far");
  Select(1, 2, T().iRows - 1, 3, SELECT_COLUMNS);
  DialogScriptPush(AnswerOk("Error message"));
  {
    NoticeScope scope;
    EXPECT_EQ(InsertLines(table_), -1);
  }
  EXPECT_EQ(DialogScriptShown().back().szText, "No free room for insert");
  EXPECT_EQ(UndoBackupPath(table_), previous);
  EXPECT_EQ(Shown(1, T().iCols - 2), "far");
}

TEST_F(UndoTest, EachKindPutsBackWhatItSaved) {
  FillFixture();
  // A paste into a block: texts, styles and formulas come back.
  ClipboardSetText("x\ty\r\nz\tw\r\n");
  std::string before = Snapshot();
  Select(1, 6, 1, 6);
  ASSERT_EQ(PasteText(table_), 0);
  EXPECT_EQ(T().iUndoKind, UNDO_BLOCK);
  EXPECT_EQ(Shown(1, 7), "y") << "the formula target was pasted over";
  const std::string path = UndoBackupPath(table_);
  ASSERT_TRUE(std::filesystem::exists(path));
  ASSERT_EQ(UndoRestore(table_), 0);
  EXPECT_EQ(Snapshot(), before);
  EXPECT_FALSE(std::filesystem::exists(path)) << "the back-up goes with the restore";

  // Two edits in a row: only the second is undone.
  Put(9, 9, "first");
  Select(9, 9, 9, 9);
  ASSERT_EQ(UndoSave(table_, UNDO_SELECTION), 0);
  Put(9, 9, "second");
  ASSERT_EQ(UndoRestore(table_), 0);
  EXPECT_EQ(Shown(9, 9), "first");
  EXPECT_EQ(UndoRestore(table_), -1) << "one level only";

  // A whole-table back-up over the current extent clears what was added.
  before = Snapshot();
  ASSERT_EQ(UndoSave(table_, UNDO_TABLE_CURRENT_EXTENT), 0);
  Put(20, 20, "added");
  Put(2, 2, "changed");
  ASSERT_EQ(UndoRestore(table_), 0);
  EXPECT_EQ(Shown(20, 20), "");
  EXPECT_EQ(Snapshot(), before);

  // Clearing a range of whole columns.
  before = Snapshot();
  Select(1, 2, T().iRows - 1, 3, SELECT_COLUMNS);
  ASSERT_EQ(ClearRange(table_, true), 0);
  EXPECT_EQ(Shown(4, 3), "");
  ASSERT_EQ(UndoRestore(table_), 0);
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(UndoTest, AFormulaRunCanBeUndone) {
  Put(1, 1, "4");
  ASSERT_EQ(FormulaRun(table_, "R1C2", FORMULA_MODE_RUN, "R1C1*2", -1), 0);
  EXPECT_EQ(Shown(1, 2), "8");
  EXPECT_EQ(T().bUndoFileExists, 1);
  ASSERT_EQ(UndoRestore(table_), 0);
  EXPECT_EQ(Shown(1, 2), "");
  EXPECT_EQ(T().iFormulaCount, 0);
  // Changing the formula's text is undone to the text it had.
  ASSERT_EQ(FormulaRun(table_, "R1C2", FORMULA_MODE_RUN, "R1C1*2", -1), 0);
  ASSERT_EQ(FormulaRun(table_, "R1C2", FORMULA_MODE_RUN, "R1C1*3", -1), 0);
  EXPECT_EQ(Shown(1, 2), "12");
  ASSERT_EQ(UndoRestore(table_), 0);
  EXPECT_EQ(FormulaAt(1, 2), "R1C1*2");
  EXPECT_EQ(Shown(1, 2), "8");
}

TEST_F(UndoTest, EveryWindowKeepsItsOwnBackUpAndClosingDeletesIt) {
  const WindowHandle other = CreateHeadlessTable(OPEN_NEW);
  Put(1, 1, "mine");
  TableSetCellText(other, 1, 1, "theirs");
  Select(1, 1, 1, 1);
  ASSERT_EQ(UndoSave(table_, UNDO_SELECTION), 0);
  {
    TableLockGuard o(other);
    o->selRowFrom[0] = o->selRowTo[0] = o->selColFrom[0] = o->selColTo[0] = 1;
    o->selKind[0] = SELECT_BLOCK;
  }
  ASSERT_EQ(UndoSave(other, UNDO_SELECTION), 0);
  const std::string mine = UndoBackupPath(table_);
  const std::string theirs = UndoBackupPath(other);
  EXPECT_NE(mine, theirs);
  EXPECT_EQ(std::filesystem::path(mine).parent_path(), std::filesystem::path(PrivateFolder()));
  struct stat info {};
  ASSERT_EQ(stat(mine.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  ASSERT_EQ(stat(PrivateFolder().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);

  Put(1, 1, "changed");
  TableSetCellText(other, 1, 1, "changed too");
  ASSERT_EQ(UndoRestore(table_), 0);
  EXPECT_EQ(Shown(1, 1), "mine");
  EXPECT_EQ(TableCellDisplayText(other, 1, 1), "changed too");
  DestroyWindowOf(other);
  EXPECT_FALSE(std::filesystem::exists(theirs)) << "closing deletes the back-up";
}

TEST_F(UndoTest, AFolderThatCannotBeMadeMeansNoUndo) {
  RemovePrivateFolder();
  const char* saved = std::getenv("TMPDIR");
  const std::string previous = saved ? saved : "";
  // A path below a regular file can never be a folder, whoever runs this.
  dir_.WriteFile("plain-file", "x");
  setenv("TMPDIR", (dir_.path() + "/plain-file").c_str(), 1);
  Put(1, 1, "a");
  Select(1, 1, 1, 1);
  DialogScriptPush(AnswerOk());
  {
    NoticeScope scope;
    EXPECT_EQ(UndoSave(table_, UNDO_SELECTION), -1);
  }
  EXPECT_EQ(DialogScriptShown().back().szText, "Create file failed");
  EXPECT_EQ(T().bUndoFileExists, 0);
  EXPECT_EQ(T().iUndoKind, UNDO_NONE);
  EXPECT_EQ(UndoRestore(table_), -1);
  if (saved) {
    setenv("TMPDIR", previous.c_str(), 1);
  } else {
    unsetenv("TMPDIR");
  }
}

}  // namespace
