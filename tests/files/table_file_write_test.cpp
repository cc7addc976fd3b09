#include "files/table_file_write.h"

#include <gtest/gtest.h>

#include <string>

#include "files/table_file_fixture.h"
#include "formula/formula_registry.h"
#include "table/table_access.h"

namespace {

class TableFileWriteTest : public TableFileTest {};

// Cells only in R1C1 and R3C2: three lines of two fields, " " for each
// empty cell; a native file adds the layout lines.
TEST_F(TableFileWriteTest, SmallTableIsWrittenByteForByte) {
  Put(table_, 1, 1, "1");
  Put(table_, 3, 2, "x");
  const std::string cells = "1\t \r\n \t \r\n \tx\r\n";
  ASSERT_EQ(TableFileWrite(table_, Path("t.txt"), SAVE_PLAIN), 0);
  EXPECT_EQ(ReadBytes(Path("t.txt")), cells);
  ASSERT_EQ(TableFileWrite(table_, Path("t.orl"), SAVE_AS), 0);
  EXPECT_EQ(ReadBytes(Path("t.orl")),
            cells + "OSTREL_CELL_H\t18\t18\t18\r\nOSTREL_CELL_W\t80\t80\r\nOSTREL_LEFT_TOP\tR1C1\r\n");
}

// Every native section in its order and form.
TEST_F(TableFileWriteTest, NativeFileCarriesFormulasColoursStylesAndLayout) {
  Put(table_, 1, 1, "1");
  Put(table_, 3, 2, "x");
  ASSERT_EQ(FormulaRun(table_, "R2C1", FORMULA_MODE_RUN, "R1C1*2", -1), 0);
  ASSERT_EQ(FormulaRun(table_, "R2C2", FORMULA_MODE_INACTIVE, "R1C1+1", 3), 0);
  {
    TableLockGuard t(table_);
    TableCell& a = *TableCellAt(*t.get(), 1, 1);
    a.iBorderStyle = 15;
    a.iBorderRed = 255;
    a.iBorderGreen = 164;
    a.iBorderBlue = 72;
    SetCellStyle(a, 21);
    TableCell& b = *TableCellAt(*t.get(), 3, 2);
    b.iFillOn = 1;
    b.iFillRed = 174;
    b.iFillGreen = 174;
    b.iFillBlue = 255;
    b.iBorderRed = -1;  // a stray value is written as its 16 bits
    t->rowHeight[2] = 30;
    t->colWidth[1] = 100;
    t->iTopRow = 2;
  }
  ASSERT_EQ(TableFileWrite(table_, Path("t.orl"), SAVE_AS), 0);
  EXPECT_EQ(ReadBytes(Path("t.orl")),
            "1\t \r\n"
            "2\t \r\n"
            " \tx\r\n"
            "User(+,-,x,/)\tR2C1\tRUN=\t-1\tR1C1*2\r\n"
            "User(+,-,x,/)\tR2C2\tINACTIVE=\t3\tR1C1+1\r\n"
            "OSTREL_CELL_COLOR\tR1C1\t15\t255\t164\t72\t0\t0\t0\t0\r\n"
            "OSTREL_CELL_COLOR\tR3C2\t0\t65535\t0\t0\t1\t174\t174\t255\r\n"
            "OSTREL_CHAR_STYLE\tR1C1\t21\r\n"
            "OSTREL_CELL_H\t18\t30\t18\r\n"
            "OSTREL_CELL_W\t100\t80\r\n"
            "OSTREL_LEFT_TOP\tR2C1\r\n");
}

TEST_F(TableFileWriteTest, EmptyTableWritesOnlyTheKeys) {
  ASSERT_EQ(TableFileWrite(table_, Path("empty.txt"), SAVE_AS), 0);
  EXPECT_EQ(ReadBytes(Path("empty.txt")), "");
  ASSERT_EQ(TableFileWrite(table_, Path("empty.orl"), SAVE_AS), 0);
  EXPECT_EQ(ReadBytes(Path("empty.orl")), "OSTREL_CELL_H\r\nOSTREL_CELL_W\r\nOSTREL_LEFT_TOP\tR1C1\r\n");
}

// A long text is written whole; TAB, CR and LF inside a text would split
// the field or the line, so they are written as blanks.
TEST_F(TableFileWriteTest, TextsAreWrittenWholeWithLineBreaksAsBlanks) {
  const std::string longText(519, 'w');
  Put(table_, 1, 1, longText);
  {
    TableLockGuard t(table_);
    // The editor stops at line breaks, but pasted or imported texts and
    // formula results may carry them.
    TableStoreCellText(*t.get(), 1, 2, "a\tb\r\nc\nd");
  }
  ASSERT_EQ(TableFileWrite(table_, Path("t.txt"), SAVE_AS), 0);
  EXPECT_EQ(ReadBytes(Path("t.txt")), longText + "\ta b  c d\r\n");
}

TEST_F(TableFileWriteTest, PrivateFieldsAreBase64EndingWithLineFeed) {
  Put(table_, 1, 1, "1");
  Put(table_, 1, 2, "abc");
  ASSERT_EQ(FormulaRun(table_, "R2C1", FORMULA_MODE_RUN, "R1C1+1", -1), 0);
  {
    TableLockGuard t(table_);
    CopyText(t->szPassword, "A");
  }
  ASSERT_EQ(TableFileWrite(table_, Path("p.orl"), SAVE_PRIVATE), 0);
  EXPECT_EQ(ReadBytes(Path("p.orl")),
            "MQ==\n\tYWJj\n\r\n"
            "Mg==\n\tIA==\n\r\n"
            "PASSWORD\tQQ==\n\r\n"
            "User(+,-,x,/)\tR2C1\tRUN=\t-1\tR1C1+1\r\n"
            "OSTREL_CELL_H\t18\t18\r\nOSTREL_CELL_W\t80\t80\r\nOSTREL_LEFT_TOP\tR1C1\r\n");
  // To another name only the cells are written, encoded.
  ASSERT_EQ(TableFileWrite(table_, Path("p.txt"), SAVE_PRIVATE), 0);
  EXPECT_EQ(ReadBytes(Path("p.txt")), "MQ==\n\tYWJj\n\r\nMg==\n\tIA==\n\r\n");
}

// The rectangle follows the undo kind; the other sections cover the table.
TEST_F(TableFileWriteTest, RangeFileWritesTheRectangleOfTheUndoKind) {
  for (int row = 1; row <= 3; ++row) {
    for (int col = 1; col <= 3; ++col) Put(table_, row, col, std::to_string(row * 10 + col));
  }
  {
    TableLockGuard t(table_);
    TableCellAt(*t.get(), 1, 1)->iFillOn = 1;  // outside the rectangles below
    TableCellAt(*t.get(), 2, 2)->iFillOn = 1;
    t->selRowFrom[0] = 3;  // a selection from its far corner
    t->selRowTo[0] = 2;
    t->selColFrom[0] = 3;
    t->selColTo[0] = 2;
    t->undoRect = {1, 1, 2, 3};
  }
  const std::string tail = "OSTREL_CELL_H\t18\t18\t18\r\nOSTREL_CELL_W\t80\t80\t80\r\nOSTREL_LEFT_TOP\tR1C1\r\n";
  // A whole-table back-up keeps the height and width of every line: an
  // insert or delete moves them beyond the used area.
  std::string wholeTail = "OSTREL_CELL_H";
  for (int row = 1; row < TABLE_NORMAL_ROWS; ++row) wholeTail += "\t18";
  wholeTail += "\r\nOSTREL_CELL_W";
  for (int col = 1; col < TABLE_NORMAL_COLS; ++col) wholeTail += "\t80";
  wholeTail += "\r\nOSTREL_LEFT_TOP\tR1C1\r\n";
  const std::string fill22 = "OSTREL_CELL_COLOR\tR2C2\t0\t0\t0\t0\t1\t0\t0\t0\r\n";
  const std::string fill11 = "OSTREL_CELL_COLOR\tR1C1\t0\t0\t0\t0\t1\t0\t0\t0\r\n";
  const struct {
    int kind;
    std::string bytes;
  } cases[] = {
      {UNDO_SELECTION, "22\t23\r\n32\t33\r\n" + fill22 + tail},
      {UNDO_BLOCK, "12\t13\r\n" + tail},
      {UNDO_TABLE_SAVED_EXTENT, "11\t12\t13\r\n21\t22\t23\r\n31\t32\t33\r\n" + fill11 + fill22 + wholeTail},
      {UNDO_TABLE_CURRENT_EXTENT, "11\t12\t13\r\n21\t22\t23\r\n31\t32\t33\r\n" + fill11 + fill22 + wholeTail},
  };
  for (const auto& c : cases) {
    {
      TableLockGuard t(table_);
      t->iUndoKind = c.kind;
    }
    ASSERT_EQ(TableRangeFileWrite(table_, Path("undo.temp")), 0) << c.kind;
    EXPECT_TRUE(ReadBytes(Path("undo.temp")) == c.bytes) << c.kind;
  }
  {
    TableLockGuard t(table_);
    t->iUndoKind = UNDO_NONE;
  }
  EXPECT_EQ(TableRangeFileWrite(table_, Path("none.temp")), -1);
  EXPECT_FALSE(std::ifstream(Path("none.temp")).good());
}

}  // namespace
