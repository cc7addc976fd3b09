#include "files/table_file_read.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "files/read_drops.h"
#include "files/table_file_fields.h"
#include "files/table_file_fixture.h"
#include "files/table_load.h"
#include "files/table_file_write.h"
#include "formula/formula_registry.h"
#include "platform/timers.h"
#include "resources/language.h"
#include "shell/program_state.h"
#include "support/comma_locale.h"
#include "table/table_access.h"
#include "table/table_init.h"
#include "table/table_window_ops.h"

namespace {

class TableFileReadTest : public TableFileTest {
 protected:
  // Write the table to `name`, read it into a new table, return that one.
  WindowHandle RoundTrip(std::string_view name) {
    EXPECT_EQ(TableFileWrite(table_, Path(name), SAVE_AS), 0);
    const WindowHandle copy = NewTable();
    EXPECT_EQ(TableFileRead(copy, Path(name)), 0);
    return copy;
  }
  // Read bytes through a file named `name` into a new table.
  WindowHandle ReadInto(std::string_view name, std::string_view bytes) {
    WriteBytes(name, bytes);
    const WindowHandle table = NewTable();
    EXPECT_EQ(TableFileRead(table, Path(name)), 0);
    return table;
  }
  static const FormulaSlot* SlotOf(WindowHandle table, int row, int col) {
    TableLockGuard t(table);
    const TableCell* cell = TableCellAt(*t.get(), row, col);
    if (!cell || CellFormulaSlot(*cell) < 0) return nullptr;
    return &t->formulaSlots[static_cast<std::size_t>(CellFormulaSlot(*cell))];
  }
};

TEST_F(TableFileReadTest, CellsRoundTripWithEmptyCellsStayingEmpty) {
  const std::string longText = std::string(300, 'L') + " end";
  const struct {
    int row, col;
    std::string text;
  } cells[] = {
      {1, 1, "1"},           {1, 2, "-2.5"},  {1, 3, "1.000000e+25"}, {2, 1, "abc"},
      {2, 3, "2001-10-12"},  {3, 2, longText}, {4, 1, "中文 text"},     {4, 4, "Missing"},
  };
  for (const auto& c : cells) Put(table_, c.row, c.col, c.text);
  for (const char* name : {"cells.txt", "cells.orl"}) {
    const WindowHandle copy = RoundTrip(name);
    for (int row = 1; row <= 5; ++row) {
      for (int col = 1; col <= 5; ++col) {
        EXPECT_EQ(Shown(copy, row, col), Shown(table_, row, col)) << name << " R" << row << "C" << col;
      }
    }
    TableLockGuard t(copy);
    EXPECT_EQ(t->iUsedRows, 5) << name;
    EXPECT_EQ(t->iUsedCols, 5) << name;
    EXPECT_EQ(t->bModified, 1) << "reading marks the table modified";
    EXPECT_EQ(TableCellAt(*t.get(), 2, 2)->szText[0], '\0');
  }
}

TEST_F(TableFileReadTest, NativeFileRestoresFormulasColoursStylesAndLayout) {
  Put(table_, 1, 1, "2");
  Put(table_, 1, 2, "3");
  ASSERT_EQ(FormulaRun(table_, "R2C1", FORMULA_MODE_RUN, "R1C1+R1C2", 2), 0);
  ASSERT_EQ(FormulaRun(table_, "R2C2", FORMULA_MODE_INACTIVE, "R1C1*R1C2", -1), 0);
  {
    TableLockGuard t(table_);
    TableCell& border = *TableCellAt(*t.get(), 1, 1);
    border.iBorderStyle = 5;
    border.iBorderRed = 10;
    border.iBorderGreen = 20;
    border.iBorderBlue = 30;
    TableCell& fill = *TableCellAt(*t.get(), 1, 2);
    fill.iFillOn = 1;
    fill.iFillRed = 200;
    fill.iFillGreen = 201;
    fill.iFillBlue = 202;
    SetCellStyle(fill, 12);
    t->rowHeight[1] = 0;  // a hidden row
    t->rowHeight[2] = 40;
    t->colWidth[2] = 123;
    t->iTopRow = 2;
    t->iLeftCol = 2;
  }
  const WindowHandle copy = RoundTrip("all.orl");
  EXPECT_EQ(Shown(copy, 2, 1), Shown(table_, 2, 1));
  const FormulaSlot* run = SlotOf(copy, 2, 1);
  ASSERT_NE(run, nullptr);
  EXPECT_EQ(run->iState, FORMULA_RUN);
  EXPECT_EQ(run->iDecimals, 2);
  EXPECT_EQ(TextOf(run->szFormula), "R1C1+R1C2");
  const FormulaSlot* inactive = SlotOf(copy, 2, 2);
  ASSERT_NE(inactive, nullptr);
  EXPECT_EQ(inactive->iState, FORMULA_INACTIVE);
  EXPECT_EQ(inactive->iDecimals, -1);
  EXPECT_EQ(Shown(copy, 2, 2), "");

  TableLockGuard t(copy);
  const TableCell& border = *TableCellAt(*t.get(), 1, 1);
  EXPECT_EQ(border.iBorderStyle, 5);
  EXPECT_EQ(border.iBorderRed, 10);
  EXPECT_EQ(border.iBorderGreen, 20);
  EXPECT_EQ(border.iBorderBlue, 30);
  EXPECT_EQ(border.iFillOn, 0);
  EXPECT_EQ(CellStyle(border), STYLE_AUTOMATIC);
  const TableCell& fill = *TableCellAt(*t.get(), 1, 2);
  EXPECT_EQ(fill.iBorderStyle, 0);
  EXPECT_EQ(fill.iFillOn, 1);
  EXPECT_EQ(fill.iFillRed, 200);
  EXPECT_EQ(fill.iFillGreen, 201);
  EXPECT_EQ(fill.iFillBlue, 202);
  EXPECT_EQ(CellStyle(fill), 12);
  EXPECT_EQ(t->rowHeight[1], 0);
  EXPECT_EQ(t->rowHeight[2], 40);
  EXPECT_EQ(t->colWidth[1], 80);
  EXPECT_EQ(t->colWidth[2], 123);
  EXPECT_EQ(t->iTopRow, 2);
  EXPECT_EQ(t->iLeftCol, 2);
  // The shown origin becomes the one selected cell.
  EXPECT_EQ(t->iSelCurrent, 0);
  EXPECT_EQ(t->selRowFrom[0], 2);
  EXPECT_EQ(t->selRowTo[0], 2);
  EXPECT_EQ(t->selColFrom[0], 2);
  EXPECT_EQ(t->selColTo[0], 2);
  EXPECT_EQ(t->selKind[0], SELECT_BLOCK);
}

// A formula in the RUN state is evaluated again after loading and rewrites
// its target; an inactive one leaves the stored text alone.
TEST_F(TableFileReadTest, RunningFormulasRunAgainAfterLoading) {
  const WindowHandle table = ReadInto("stale.orl",
                                      "2\t3\t999\t999\r\n"
                                      "User(+,-,x,/)\tR1C3\tRUN=\t-1\tR1C1*R1C2\r\n"
                                      "User(+,-,x,/)\tR1C4\tINACTIVE=\t-1\tR1C1-R1C2\r\n");
  EXPECT_EQ(Shown(table, 1, 3), "6");
  EXPECT_EQ(Shown(table, 1, 4), "999");
  // The loaded formula is live: its input changes, it runs.
  Put(table, 1, 1, "5");
  EXPECT_EQ(Shown(table, 1, 3), "15");
}

// A formula longer than a cell's typed input keeps every character.
TEST_F(TableFileReadTest, LongFormulaSurvivesTheRoundTrip) {
  Put(table_, 1, 1, "1");
  std::string formula = "R1C1";
  while (formula.size() < 900) formula += "+R1C1";
  ASSERT_EQ(FormulaRun(table_, "R1C2", FORMULA_MODE_RUN, formula, -1), 0);
  const WindowHandle copy = RoundTrip("long.orl");
  const FormulaSlot* slot = SlotOf(copy, 1, 2);
  ASSERT_NE(slot, nullptr);
  EXPECT_EQ(TextOf(slot->szFormula), formula);
  EXPECT_EQ(Shown(copy, 1, 2), Shown(table_, 1, 2));
}

// A text that holds a key's letters is an ordinary cell text: it neither
// ends the cells nor sets row heights.
TEST_F(TableFileReadTest, CellTextHoldingAKeyReadsBackWhole) {
  Put(table_, 1, 1, "see OSTREL_CELL_H here");
  Put(table_, 1, 2, "PASSWORD");
  Put(table_, 2, 1, "after");
  // A first-column "PASSWORD" does not make the file private.
  Put(table_, 3, 1, "PASSWORD");
  Put(table_, 3, 2, "s3cret");
  const WindowHandle copy = RoundTrip("keys.orl");  // no password dialog
  EXPECT_EQ(Shown(copy, 1, 1), "see OSTREL_CELL_H here");
  EXPECT_EQ(Shown(copy, 1, 2), "PASSWORD");
  EXPECT_EQ(Shown(copy, 2, 1), "after");
  EXPECT_EQ(Shown(copy, 3, 1), "PASSWORD");
  EXPECT_EQ(Shown(copy, 3, 2), "s3cret");
  TableLockGuard t(copy);
  EXPECT_EQ(t->rowHeight[1], 18);
  EXPECT_EQ(t->rowHeight[2], 18);
}

// A first cell that is exactly a key, or that holds one from its second
// byte on, stays a cell.
TEST_F(TableFileReadTest, FirstCellsThatReadLikeKeysStayCells) {
  Put(table_, 1, 1, "aOSTREL_CELL_W");
  Put(table_, 1, 2, "5");
  Put(table_, 2, 1, "OSTREL_CELL_W");
  Put(table_, 2, 2, "7");
  Put(table_, 3, 1, "User(+,-,x,/)");
  Put(table_, 4, 1, "last");
  const WindowHandle copy = RoundTrip("firstkeys.orl");
  EXPECT_EQ(Shown(copy, 1, 1), "aOSTREL_CELL_W");
  EXPECT_EQ(Shown(copy, 2, 1), "OSTREL_CELL_W");
  EXPECT_EQ(Shown(copy, 2, 2), "7");
  EXPECT_EQ(Shown(copy, 3, 1), "User(+,-,x,/)");
  EXPECT_EQ(Shown(copy, 4, 1), "last");
  TableLockGuard t(copy);
  EXPECT_EQ(t->colWidth[1], 80);
}

// Line ends: CR LF, LF, LF CR and CR each end one row; a doubled one ends
// one row (an empty line makes no row); the last line needs no line end.
TEST_F(TableFileReadTest, LineEndsAndALastLineWithoutOne) {
  const struct {
    const char* bytes;
    const char* r1c1;
    const char* r2c1;
    const char* r2c2;
  } cases[] = {
      {"a\r\nb\tc\r\n", "a", "b", "c"},
      {"a\nb\tc\n", "a", "b", "c"},
      {"a\n\rb\tc", "a", "b", "c"},
      {"a\rb\tc", "a", "b", "c"},
      {"a\n\nb\tc", "a", "b", "c"},
      {"a\r\nb\t", "a", "b", ""},
      {" \t \r\n \tc", "", "", "c"},
  };
  for (const auto& c : cases) {
    const WindowHandle table = ReadInto("lines.orl", c.bytes);
    EXPECT_EQ(Shown(table, 1, 1), c.r1c1) << c.bytes;
    EXPECT_EQ(Shown(table, 2, 1), c.r2c1) << c.bytes;
    EXPECT_EQ(Shown(table, 2, 2), c.r2c2) << c.bytes;
    EXPECT_EQ(Shown(table, 3, 1), "") << c.bytes;
  }
}

// More texts than the record's own pool slots: they are kept through
// release and reuse, a resize, saving and reopening.
TEST_F(TableFileReadTest, ManyLongTextsSurviveReleaseResizeSaveAndReopen) {
  constexpr int kRows = 40;  // 40 x 300 = 12,000 texts
  constexpr int kCols = 300;
  const auto text = [](int row, int col, const char* kind) {
    return std::string(kind) + " text of R" + std::to_string(row) + "C" + std::to_string(col);
  };
  const auto fill = [&](WindowHandle table, int rows, int cols) {
    TableLockGuard t(table);
    for (int row = 1; row <= rows; ++row) {
      for (int col = 1; col <= cols; ++col) ASSERT_EQ(TableStoreCellText(*t.get(), row, col, text(row, col, "first")), 0);
    }
    // Every seventh cell is emptied and then given a new text.
    for (int i = 0; i < rows * cols; i += 7) ASSERT_EQ(TableStoreCellText(*t.get(), 1 + i / cols, 1 + i % cols, ""), 0);
    for (int i = 0; i < rows * cols; i += 7) {
      ASSERT_EQ(TableStoreCellText(*t.get(), 1 + i / cols, 1 + i % cols, text(1 + i / cols, 1 + i % cols, "second")), 0);
    }
  };
  const auto expected = [&](int row, int col, int cols) {
    return text(row, col, ((row - 1) * cols + col - 1) % 7 == 0 ? "second" : "first");
  };
  const auto check = [&](WindowHandle table, int rows, int cols, const char* what) {
    for (int row = 1; row <= rows; ++row) {
      for (int col = 1; col <= cols; ++col) {
        ASSERT_EQ(Shown(table, row, col), expected(row, col, cols)) << what << " R" << row << "C" << col;
      }
    }
  };

  fill(table_, kRows, kCols);
  check(table_, kRows, kCols, "stored");
  for (const char* name : {"texts.orl", "texts.txt"}) check(RoundTrip(name), kRows, kCols, name);

  // A resize empties the table and its pool; the larger pool comes back
  // when texts do. A table of 16,384 rows keeps its texts as well.
  const WindowHandle tall = NewTable();
  ASSERT_EQ(SetImportTableSize(tall, 16385, 51), 0);
  ASSERT_EQ(RelabelHeaders(tall), 0);
  if (TableLockGuard t(tall); t) t->bReadOnly = 0;
  fill(tall, 200, 50);
  ASSERT_EQ(SetImportTableSize(tall, 16385, 51), 0);
  ASSERT_EQ(RelabelHeaders(tall), 0);
  {
    TableLockGuard t(tall);
    EXPECT_EQ(t->grownLongText, nullptr) << "the grown slots are given back";
  }
  fill(tall, 200, 50);
  ASSERT_EQ(TableFileWrite(tall, Path("tall.txt"), SAVE_AS), 0);
  const WindowHandle reopened = NewTable();
  ASSERT_EQ(TableFileRead(reopened, Path("tall.txt")), 0);
  check(reopened, 200, 50, "tall.txt");
  EXPECT_TRUE(DialogScriptShown().empty()) << "nothing lost, nothing to report";
}

// A file saved from a larger (reshaped) table opens whole: the table takes
// its shape and stays writable; rows end at their line ends.
TEST_F(TableFileReadTest, FileLargerThanTheTableReshapesIt) {
  std::string bytes;
  for (int row = 1; row <= 60; ++row) {
    for (int col = 1; col <= 60; ++col) {
      bytes += "r" + std::to_string(row) + "c" + std::to_string(col) + (col < 60 ? "\t" : "\r\n");
    }
  }
  WriteBytes("big.orl", bytes);
  const WindowHandle table = NewTable();
  ASSERT_EQ(SetImportTableSize(table, 51, 51), 0);
  if (TableLockGuard t(table); t) t->bReadOnly = 0;
  ASSERT_EQ(TableFileRead(table, Path("big.orl")), 0);
  EXPECT_EQ(Shown(table, 1, 60), "r1c60");
  EXPECT_EQ(Shown(table, 2, 1), "r2c1") << "the row after a long line starts at column 1";
  EXPECT_EQ(Shown(table, 60, 60), "r60c60");
  TableLockGuard t(table);
  EXPECT_EQ(t->iRows, 61);
  EXPECT_EQ(t->iCols, 61);
  EXPECT_EQ(t->iUsedRows, 61);
  EXPECT_EQ(t->bReadOnly, 0);
}

// A file no table can hold is cut to the largest table, and the cells
// left out are counted; opening it in the program tells the user once; a
// default table grows to 16,385 rows for a long one-column file.
TEST_F(TableFileReadTest, FileBeyondEveryTableIsCutWithANote) {
  std::string bytes;
  for (int row = 1; row <= 20000; ++row) bytes += std::to_string(row) + "\r\n";
  WriteBytes("long.orl", bytes);
  const WindowHandle table = NewTable();
  DropsBegin();
  ASSERT_EQ(TableFileRead(table, Path("long.orl")), 0);
  const ReadDrops drops = DropsTake();
  EXPECT_EQ(drops.iCount[DROP_CELLS_BEYOND_TABLE], 20000 - 16384);
  EXPECT_TRUE(DialogScriptShown().empty());
  EXPECT_EQ(Shown(table, 16384, 1), "16384");
  {
    TableLockGuard t(table);
    EXPECT_EQ(t->iRows, 16385);
  }
  // Through the window's own loading the note comes after the read.
  const WindowHandle loaded = NewTable();
  {
    TableLockGuard t(loaded);
    CopyText(t->szFileName, Path("long.orl"));
  }
  DialogScriptPush(AnswerOk("Message"));
  ASSERT_EQ(TableLoadChosenFile(loaded), 0);
  ASSERT_EQ(DialogScriptShown().size(), 1u);
  EXPECT_EQ(DialogScriptShown()[0].szText,
            "The file has more rows or columns than a table can hold; the cells beyond the table were not read.");
}

// Formula, colour and style lines are cut from a file by chunk
// boundaries anywhere: every chunk size reads the same table as one read.
TEST_F(TableFileReadTest, ChunkBoundariesChangeNothing) {
  std::string bytes = "\xEF\xBB\xBF" "1\t\xE4\xB8\xAD\xE6\x96\x87\t \r\n\n\r" + std::string(1500, 'w') + "\tx\r\n\r\n5\r";
  bytes += "User(+,-,x,/)\tR1C3\tRUN=\t2\tR1C1*2\r\n";
  bytes += "User(+,-,x,/)\tR2C3\tINACTIVE=\t-1\t" + std::string(1000, '1') + "\r\n";
  bytes += "OSTREL_CELL_COLOR\tR1C1\t1\t2\t3\t4\t1\t5\t6\t7\r\n";
  bytes += "OSTREL_CHAR_STYLE\tR1C2\t20\n\rOSTREL_CELL_H\t20\t30\r\nOSTREL_CELL_W\t70\t80\t90\r\nOSTREL_LEFT_TOP\tR2C2";
  WriteBytes("chunks.orl", bytes);
  const auto readAndWrite = [&](std::size_t chunk, const std::string& out) {
    TableFileSetChunkBytes(chunk);
    const WindowHandle table = NewTable();
    DropsBegin();
    EXPECT_EQ(TableFileRead(table, Path("chunks.orl")), 0) << chunk;
    const ReadDrops drops = DropsTake();
    TableFileSetChunkBytes(0);
    EXPECT_EQ(TableFileWrite(table, Path(out), SAVE_AS), 0);
    return std::pair{ReadBytes(Path(out)), drops};
  };
  const auto [whole, wholeDrops] = readAndWrite(0, "whole.orl");
  // LF CR after CR LF is an empty line: an empty row.
  EXPECT_EQ(whole.substr(0, 27), "1\t\xE4\xB8\xAD\xE6\x96\x87\t2.00\r\n \t \t \r\n" + std::string(5, 'w'));
  EXPECT_EQ(wholeDrops.iCount[DROP_TEXTS_CUT], 1);
  EXPECT_EQ(wholeDrops.iCount[DROP_FORMULAS_TOO_LONG], 1);
  for (const std::size_t chunk : {1u, 2u, 3u, 5u, 13u, 64u, 1000u}) {
    const auto [bytesRead, drops] = readAndWrite(chunk, "chunk.orl");
    EXPECT_EQ(bytesRead, whole) << chunk;
    EXPECT_EQ(drops.iCount, wholeDrops.iCount) << chunk;
  }
}

// The cells go to the top-left cell of the current selection.
TEST_F(TableFileReadTest, CellsStartAtTheSelection) {
  {
    TableLockGuard t(table_);
    t->selRowFrom[0] = 4;
    t->selRowTo[0] = 3;
    t->selColFrom[0] = 5;
    t->selColTo[0] = 6;
  }
  WriteBytes("block.orl", "a\tb\r\nc\r\n");
  ASSERT_EQ(TableFileRead(table_, Path("block.orl")), 0);
  EXPECT_EQ(Shown(table_, 3, 5), "a");
  EXPECT_EQ(Shown(table_, 3, 6), "b");
  EXPECT_EQ(Shown(table_, 4, 5), "c");
  EXPECT_EQ(Shown(table_, 1, 1), "");
}

// Values read over a formula's target replace the formula; style 33.
TEST_F(TableFileReadTest, CellValueReplacesAFormulaAndItsStyle) {
  Put(table_, 1, 1, "4");
  ASSERT_EQ(FormulaRun(table_, "R1C2", FORMULA_MODE_RUN, "R1C1*2", -1), 0);
  {
    TableLockGuard t(table_);
    SetCellStyle(*TableCellAt(*t.get(), 1, 2), 20);
  }
  WriteBytes("over.orl", "7\t5\r\n");
  ASSERT_EQ(TableFileRead(table_, Path("over.orl")), 0);
  EXPECT_EQ(SlotOf(table_, 1, 2), nullptr);
  EXPECT_EQ(Shown(table_, 1, 2), "5");
  TableLockGuard t(table_);
  EXPECT_EQ(CellStyle(*TableCellAt(*t.get(), 1, 2)), STYLE_AUTOMATIC);
  EXPECT_EQ(t->iFormulaCount, 0);
}

// Keyed lines that do not parse, or name cells outside the table, are
// passed over; values that are no numbers read as 0; sizes stay sane.
TEST_F(TableFileReadTest, BadKeyedLinesAreSkipped) {
  const WindowHandle table = ReadInto("bad.orl",
                                      "1\t2\r\n"
                                      "User(+,-,x,/)\tR9999C1\tRUN=\t-1\tR1C1\r\n"
                                      "User(+,-,x,/)\tR1C3\tRUN=\r\n"
                                      "User(+,-,x,/)\t\tR1C4\tRUN=\t\t-1\tR1C1*3\r\n"
                                      "OSTREL_CELL_COLOR\tR1C1\t3\r\n"
                                      "OSTREL_CELL_COLOR\tR0C1\t15\t1\t1\t1\t1\t1\t1\t1\r\n"
                                      "OSTREL_CELL_COLOR\tR1C2\t15\tred\t2\t3\t0\t9\t9\t9\r\n"
                                      "OSTREL_CHAR_STYLE\tnot a cell\t21\r\n"
                                      "OSTREL_CHAR_STYLE\tR2C2\r\n"
                                      "OSTREL_CELL_H\t99999999999\t-5\tx\r\n"
                                      "OSTREL_CELL_W\t7\r\n"
                                      "OSTREL_LEFT_TOP\tR0C5\r\n");
  EXPECT_EQ(SlotOf(table, 1, 3), nullptr);
  // Empty fields between TABs do not count.
  ASSERT_NE(SlotOf(table, 1, 4), nullptr);
  EXPECT_EQ(Shown(table, 1, 4), "3");
  TableLockGuard t(table);
  EXPECT_EQ(t->iFormulaCount, 1);
  const TableCell& c1 = *TableCellAt(*t.get(), 1, 1);
  EXPECT_EQ(c1.iBorderStyle, 0);
  const TableCell& c2 = *TableCellAt(*t.get(), 1, 2);
  EXPECT_EQ(c2.iBorderStyle, 15);
  EXPECT_EQ(c2.iBorderRed, 0);
  EXPECT_EQ(c2.iBorderGreen, 2);
  EXPECT_EQ(c2.iFillOn, 0);
  EXPECT_EQ(TableCellAt(*t.get(), 0, 1)->iBorderStyle, 0);
  EXPECT_EQ(CellStyle(*TableCellAt(*t.get(), 2, 2)), STYLE_AUTOMATIC);
  EXPECT_EQ(t->rowHeight[1], 10000);
  EXPECT_EQ(t->rowHeight[2], 0);
  EXPECT_EQ(t->rowHeight[3], 0);
  EXPECT_EQ(t->rowHeight[4], 18);
  EXPECT_EQ(t->colWidth[1], 7);
  EXPECT_EQ(t->iTopRow, 1);
  EXPECT_EQ(t->iLeftCol, 1);
}

TEST_F(TableFileReadTest, FailuresAreReportedWithTheirMessages) {
  // A missing file: "Open file failed" titled with the path.
  DialogScriptPush(AnswerOk(Path("missing.orl")));
  EXPECT_EQ(TableFileRead(table_, Path("missing.orl")), -1);
  ASSERT_FALSE(DialogScriptShown().empty());
  EXPECT_EQ(DialogScriptShown().back().szCaption, Path("missing.orl"));
  EXPECT_EQ(DialogScriptShown().back().szText, "Open file failed");
  // A folder is no table file.
  DialogScriptPush(AnswerOk("Open file failed"));
  EXPECT_EQ(TableFileRead(table_, dir_.path()), -1);
  // Sections out of their order: the cells stay, the rest is not read.
  WriteBytes("order.orl", "1\t2\r\nOSTREL_CELL_H\t30\r\nOSTREL_CHAR_STYLE\tR1C1\t21\r\n");
  DialogScriptPush(AnswerOk("Read file data failed"));
  EXPECT_EQ(TableFileRead(table_, Path("order.orl")), -1);
  EXPECT_EQ(DialogScriptShown().back().szCaption, Path("order.orl"));
  EXPECT_EQ(Shown(table_, 1, 2), "2");
  TableLockGuard t(table_);
  EXPECT_EQ(t->rowHeight[1], 18);
}

// Texts of files written by older programs: GB18030 in Chinese mode,
// Windows-1252 in English mode. A valid UTF-8 file is taken as it is.
TEST_F(TableFileReadTest, LegacyEncodingsAreConvertedToUtf8) {
  const struct {
    int chinese;
    std::string bytes;
    std::string text;
  } cases[] = {
      {1, "\xD6\xD0\xCE\xC4\t1\r\n", "中文"},
      {0, "caf\xE9\t1\r\n", "café"},
      {0, "中文\t1\r\n", "中文"},
      {1, "\xEF\xBB\xBF" "caf\xC3\xA9\t1\r\n", "café"},
  };
  for (const auto& c : cases) {
    LanguageSetChinese(c.chinese);
    const WindowHandle table = ReadInto("legacy.orl", c.bytes);
    EXPECT_EQ(Shown(table, 1, 1), c.text) << c.bytes;
    EXPECT_EQ(Shown(table, 1, 2), "1") << c.bytes;
  }
  LanguageSetChinese(false);
}

// Numbers keep their points under a locale whose decimal mark is a comma.
TEST_F(TableFileReadTest, NumbersDoNotFollowTheLocale) {
  REQUIRE_COMMA_DECIMAL_LOCALE(locale);
  const WindowHandle table = ReadInto("comma.orl",
                                      "1.5\t.25\r\n"
                                      "User(+,-,x,/)\tR1C3\tRUN=\t2\tR1C1+R1C2\r\n");
  EXPECT_EQ(Shown(table, 1, 1), "1.5");
  EXPECT_EQ(Shown(table, 1, 2), "0.25");
  EXPECT_EQ(Shown(table, 1, 3), "1.75");
  ASSERT_EQ(TableFileWrite(table, Path("comma.txt"), SAVE_AS), 0);
  EXPECT_EQ(ReadBytes(Path("comma.txt")), "1.5\t0.25\t1.75\r\n");
}

// A real tab-separated file named as a table file: its first 2000 lines
// fill the table, numbers as written (".097" as 0.097).
TEST_F(TableFileReadTest, RealTabSeparatedFileFillsTheTable) {
  const std::string source = std::string(CARTOVEL_SHARED_DATA_DIR) + "/csv/vega-datasets/unemployment.tsv";
  std::ifstream in(source, std::ios::binary);
  if (!in) GTEST_SKIP() << "no " << source;
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_GT(lines.size(), 2000u);
  WriteBytes("unemployment.orl", ReadBytes(source));
  const WindowHandle table = NewTable();
  ASSERT_EQ(TableFileRead(table, Path("unemployment.orl")), 0);
  EXPECT_EQ(Shown(table, 1, 1), "id");
  EXPECT_EQ(Shown(table, 1, 2), "rate");
  for (const int row : {2, 777, 2000}) {
    const std::string& line = lines[static_cast<std::size_t>(row - 1)];
    const std::size_t tab = line.find('\t');
    EXPECT_EQ(Shown(table, row, 1), line.substr(0, tab)) << row;
    EXPECT_EQ(Shown(table, row, 2), "0" + line.substr(tab + 1)) << row;
  }
  // The file is longer than a new table: the table took its length.
  const int last = static_cast<int>(lines.size());
  EXPECT_EQ(Shown(table, last, 1), lines.back().substr(0, lines.back().find('\t')));
  TableLockGuard t(table);
  EXPECT_EQ(t->iUsedRows, last + 1);
  EXPECT_EQ(t->iUsedCols, 3);
}

// A table window opened on a file reads it when its load timer fires:
// ".orl" in any letter case is a native file.
TEST_F(TableFileReadTest, FileModeWindowReadsItsFileOnTheTimer) {
  WriteBytes("Values.ORL", "1\t2\r\nOSTREL_CELL_W\t55\r\n");
  const WindowHandle table = CreateHeadlessTable(OPEN_FILE, Path("Values.ORL"));
  tables_.push_back(table);
  ASSERT_EQ(FireTimer(table, TIMER_TABLE_LOAD), 0);
  EXPECT_EQ(Shown(table, 1, 2), "2");
  EXPECT_EQ(WindowTitle(table), Path("Values.ORL"));
  TableLockGuard t(table);
  EXPECT_EQ(t->colWidth[1], 55);
  EXPECT_EQ(TextOf(t->szFileName), Path("Values.ORL"));
}

}  // namespace
